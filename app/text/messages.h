// How the window reports a failure the user must see.
#pragma once

#include <functional>
#include <string_view>

namespace orvanta {

// Shows a message (English source text, translated when shown) with its caption: the window as
// a message box, tests record it.
using MessageFn = std::function<void(std::string_view text, std::string_view caption)>;

}  // namespace orvanta
