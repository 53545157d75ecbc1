// The message box that reports failures to the user.
#pragma once

#include <memory>
#include <string_view>

class QMessageBox;

namespace orvanta {

// The box the functions below show, not yet shown: no owner window, the text and caption given,
// no icon, a single OK button, details the user can unfold (none when empty), and wide enough
// that the title bar shows the whole caption.
std::unique_ptr<QMessageBox> MakeMessageBox(std::string_view text, std::string_view caption,
                                            std::string_view details = {});

// Shows MakeMessageBox(text, caption) modal; returns when the user has closed it.
void ShowMessageBox(std::string_view text, std::string_view caption);

// The same with details that the user can unfold (none when empty).
void ShowMessageBoxWithDetails(std::string_view text, std::string_view caption,
                               std::string_view details);

}  // namespace orvanta
