// Text that came from a file or an argument, made safe to show on a terminal, in a file or in
// a one-line message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// True when text holds a control character: C0 (U+0000 .. U+001F), DEL (U+007F), C1
// (U+0080 .. U+009F, written in UTF-8 as C2 80 .. C2 9F), or a bidirectional control, which can
// make a line read in another order: the Arabic letter mark U+061C, the marks U+200E and
// U+200F, the embeddings and overrides U+202A .. U+202E and the isolates U+2066 .. U+2069.
bool HasControlCharacter(std::string_view text);

// The text with every control character (as above) written as a visible escape of its code,
// "\x1b" for ESC, "\x85" for U+0085, "\u202e" for U+202E, and every byte that does not belong
// to well-formed UTF-8 as "\xNN" of that byte. Everything else is kept as it is.
std::string VisibleText(std::string_view text);

// How a message quotes a value: VisibleText of its first maxCharacters characters in double
// quotes, with "…" after the last one when the value is longer.
inline constexpr std::size_t kQuotedCharacters = 80;
std::string QuotedValue(std::string_view value, std::size_t maxCharacters = kQuotedCharacters);

}  // namespace orvanta
