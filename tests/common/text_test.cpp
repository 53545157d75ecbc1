// Text from files and arguments made visible, and UTF-8 counted in UTF-16 units: each rule of
// the escapes and of well-formed UTF-8 as one row.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/utf16.h"
#include "common/visible_text.h"

namespace orvanta {
namespace {

TEST(CommonText, ControlCharactersAndBadBytesAreEscaped) {
    const struct {
        const char* name;
        std::string text, shown;
        bool control;
    } rows[] = {
        {"letters kept", "K\xC3\xB6ln \xC3\xBF", "K\xC3\xB6ln \xC3\xBF", false},
        {"C0", "a\tb\x1B", "a\\x09b\\x1b", true},
        {"DEL", "a\x7F", "a\\x7f", true},
        {"C1 as a character", "\xC2\x85", "\\x85", true},
        {"bidirectional override and isolate", "\xE2\x80\xAE\xE2\x81\xA9", "\\u202e\\u2069", true},
        {"Arabic letter mark", "\xD8\x9C", "\\u061c", true},
        {"bytes of no character", "\xFF\xC0\xAF", "\\xff\\xc0\\xaf", false},
        {"a cut sequence", "a\xE2\x80", "a\\xe2\\x80", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(VisibleText(row.text), row.shown) << row.name;
        EXPECT_EQ(HasControlCharacter(row.text), row.control) << row.name;
    }
}

TEST(CommonText, Utf16LengthCountsPairsAndRefusesMalformedUtf8) {
    const std::pair<std::string, std::optional<std::size_t>> rows[] = {
        {"", 0},
        {"K\xC3\xB6ln", 4},
        {"\xE0\xA4\x95", 1},                 // U+0915, three bytes
        {"\xF0\x9F\x95\x8C", 2},             // U+1F54C, a pair
        {"\xF4\x8F\xBF\xBF", 2},             // U+10FFFF, the last
        {"\xF4\x90\x80\x80", std::nullopt},  // above U+10FFFF
        {"\xED\xA0\x80", std::nullopt},      // an encoded surrogate
        {"\xC0\xAF", std::nullopt},          // overlong
        {"\xF0\x9F\x95", std::nullopt},      // cut
    };
    for (const auto& [text, units] : rows) {
        EXPECT_EQ(Utf16Length(text), units) << text;
        EXPECT_EQ(Utf8ToUtf16(text).has_value(), units.has_value()) << text;
    }
}

}  // namespace
}  // namespace orvanta
