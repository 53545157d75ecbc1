// How the layers below the user interface report a failure the user must see.
#pragma once

#include <functional>
#include <string_view>

namespace orvanta {

// Shows a message with its caption: the window as a message box, the command line on standard
// error, tests record it.
using MessageFn = std::function<void(std::string_view text, std::string_view caption)>;

}  // namespace orvanta
