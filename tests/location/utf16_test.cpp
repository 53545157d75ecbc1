// UTF-8 <-> UTF-16 conversions: code-unit counts, malformed input, lone surrogates.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "location/utf16.h"

namespace orvanta {
namespace {

TEST(Utf16, LengthAndConversionOfWellFormedText) {
    struct Row {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    };
    const std::vector<Row> rows = {
        {"empty", "", u""},
        {"ascii", "Detroit, MI", u"Detroit, MI"},
        {"two-byte", "K\xC3\xB6ln", u"K\u00F6ln"},
        {"three-byte", "\xE0\xA4\xA6\xE0\xA4\xBF", u"\u0926\u093F"},
        {"four-byte is a pair", "\xF0\x9F\x95\x8C", u"\U0001F54C"},
        {"largest", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"embedded nul", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Utf16Length(row.utf8), std::optional<std::size_t>(row.utf16.size()));
        EXPECT_EQ(Utf8ToUtf16(row.utf8), std::optional<std::u16string>(row.utf16));
        EXPECT_EQ(Utf16ToUtf8(row.utf16), std::optional<std::string>(row.utf8));
        EXPECT_EQ(Utf16FromLeBytes(Utf16ToLeBytes(row.utf16)), row.utf16);
    }
}

TEST(Utf16, MalformedUtf8IsRefused) {
    struct Row {
        const char* name;
        std::string utf8;
    };
    const std::vector<Row> rows = {
        {"lone continuation", "a\x80"},
        {"overlong slash", "\xC0\xAF"},
        {"overlong three-byte", "\xE0\x80\xAF"},
        {"encoded high surrogate", "\xED\xA0\x80"},
        {"encoded low surrogate", "\xED\xBF\xBF"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"},
        {"cut at the end", "ab\xE2\x82"},
        {"lead byte F5", "\xF5\x80\x80\x80"},
        {"continuation missing", "\xC3(x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(Utf16Length(row.utf8).has_value());
        EXPECT_FALSE(Utf8ToUtf16(row.utf8).has_value());
        // The lossy form replaces, never drops or passes through, the bad bytes.
        const std::u16string lossy = Utf8ToUtf16Lossy(row.utf8);
        EXPECT_NE(lossy.find(u'\uFFFD'), std::u16string::npos);
    }
}

TEST(Utf16, LoneSurrogatesFailStrictAndBecomeReplacementLossy) {
    struct Row {
        const char* name;
        std::u16string utf16;
        std::string lossy;
    };
    const std::vector<Row> rows = {
        {"high at end", u"a\xD83D", "a\xEF\xBF\xBD"},
        {"low alone", u"\xDC00z", "\xEF\xBF\xBDz"},
        {"two highs then low", u"\xD83D\xD83D\xDD4C", "\xEF\xBF\xBD\xF0\x9F\x95\x8C"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(Utf16ToUtf8(row.utf16).has_value());
        EXPECT_EQ(Utf16ToUtf8Lossy(row.utf16), row.lossy);
    }
}

TEST(Utf16, LittleEndianBytesPutTheLowByteFirstAndIgnoreAnOddLastByte) {
    EXPECT_EQ(Utf16ToLeBytes(u"D\u00E9"), std::string("D\0\xE9\0", 4));
    EXPECT_EQ(Utf16FromLeBytes(std::string("D\0\x3D\xD8\x01", 5)), u"D\xD83D");
}

}  // namespace
}  // namespace orvanta
