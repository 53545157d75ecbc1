// UTF-8 text handling for city names and the folded search key by which cities are found.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Given UTF-8 bytes, returns their code points. Nothing when the bytes are not well-formed
// UTF-8: a stray continuation byte, a truncated sequence, an overlong form, a surrogate
// (U+D800..U+DFFF) or a value above U+10FFFF.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of code point c (at most U+10FFFF, not a surrogate) to out.
void AppendUtf8(std::string& out, char32_t c);

// Appends the folded form of code point c to out (the code point itself when the fold table
// does not list it). Returns false when the fold table cannot be read.
using FoldFn = std::function<bool(char32_t c, std::string& out)>;

// The search key of a text: the concatenation of fold(c) over its code points, then every run
// of ASCII whitespace (space, tab, LF, VT, FF, CR) collapsed to one space and removed at both
// ends. Nothing when fold fails.
std::optional<std::string> MakeSearchKey(std::u32string_view text, const FoldFn& fold);

// Collapses runs of ASCII whitespace to one space and trims both ends (the last step of the
// search key).
std::string CollapseAsciiWhitespace(std::string_view text);

// The smallest byte string greater than every string that starts with prefix (bytewise
// order): the exclusive upper end of a prefix range query. Empty when there is none (prefix
// empty or all bytes 0xFF).
std::string PrefixUpperBound(std::string_view prefix);

}  // namespace orvanta
