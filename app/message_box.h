// The message box that reports failures to the user.
#pragma once

#include <string_view>

namespace orvanta {

// A modal message box with no owner window, the text and caption given, no icon and a single
// OK button; returns when the user has closed it.
void ShowMessageBox(std::string_view text, std::string_view caption);

// The same with details that the user can unfold (none when empty).
void ShowMessageBoxWithDetails(std::string_view text, std::string_view caption,
                               std::string_view details);

}  // namespace orvanta
