// Conversions between UTF-8 text and UTF-16 code units (and their little-endian bytes).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Number of UTF-16 code units that the UTF-8 text takes: 1 per character up to U+FFFF, 2 (a
// surrogate pair) per character above. Nothing when the text is not well-formed UTF-8
// (overlong forms, encoded surrogates U+D800..U+DFFF, values above U+10FFFF, cut sequences).
std::optional<std::size_t> Utf16Length(std::string_view utf8);

// The UTF-16 code units of well-formed UTF-8 text; nothing when it is not well-formed.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);

// The UTF-16 code units of UTF-8 text; every byte that does not start a well-formed sequence
// becomes U+FFFD.
std::u16string Utf8ToUtf16Lossy(std::string_view utf8);

// UTF-8 text of UTF-16 code units; nothing when they hold a lone surrogate.
std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16);

// UTF-8 text of UTF-16 code units; each lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8Lossy(std::u16string_view utf16);

// The code units as little-endian bytes, two per unit.
std::string Utf16ToLeBytes(std::u16string_view utf16);

// The code units of little-endian bytes, two per unit; an odd last byte is ignored.
std::u16string Utf16FromLeBytes(std::string_view bytes);

}  // namespace orvanta
