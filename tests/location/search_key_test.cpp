#include "location/search_key.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "location/city_name.h"

namespace orvanta {
namespace {

struct Utf8Case {
    const char* label;
    std::string bytes;
    bool wellFormed;
    std::size_t codePoints;  // when well-formed
};

TEST(Utf8Test, DecodesWellFormedTextAndRefusesEveryMalformedForm) {
    const Utf8Case cases[] = {
        {"empty", "", true, 0},
        {"ascii", "Detroit, MI", true, 11},
        {"two-byte u-umlaut", "Z\xC3\xBCrich", true, 6},
        {"three-byte U+FFFF boundary", "\xEF\xBF\xBF", true, 1},
        {"four-byte emoji", "\xF0\x9F\x98\x80", true, 1},
        {"U+10FFFF", "\xF4\x8F\xBF\xBF", true, 1},
        {"stray continuation byte", "a\x80", false, 0},
        {"truncated two-byte sequence", "\xC3", false, 0},
        {"truncated four-byte sequence", "\xF0\x9F\x98", false, 0},
        {"continuation missing mid-sequence", "\xE2\x28\xA1", false, 0},
        {"overlong slash", "\xC0\xAF", false, 0},
        {"overlong NUL", "\xC0\x80", false, 0},
        {"overlong three-byte", "\xE0\x80\xAF", false, 0},
        {"surrogate U+D800", "\xED\xA0\x80", false, 0},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false, 0},
        {"0xFF byte", "\xFF", false, 0},
    };
    for (const Utf8Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::optional<std::u32string> decoded = DecodeUtf8(c.bytes);
        ASSERT_EQ(decoded.has_value(), c.wellFormed);
        if (c.wellFormed) {
            EXPECT_EQ(decoded->size(), c.codePoints);
            // Decoding and encoding again gives the same bytes.
            std::string again;
            for (const char32_t cp : *decoded) {
                AppendUtf8(again, cp);
            }
            EXPECT_EQ(again, c.bytes);
        }
    }
}

// A fold table like the database's: upper case to lower case, accented letters to plain ones,
// one code point to two, and the no-break space to a space.
FoldFn TableFold() {
    static const std::map<char32_t, std::string> table = {
        {U'D', "d"},      {U'M', "m"},       {U'I', "i"},      {U'Z', "z"},
        {U'S', "s"},      {U'J', "j"},       {U'\u00DC', "u"}, {U'\u00FC', "u"},
        {U'\u00E9', "e"}, {U'\u00DF', "ss"}, {U'\u00A0', " "},
    };
    return [](char32_t c, std::string& out) {
        if (const auto found = table.find(c); found != table.end()) {
            out += found->second;
        } else {
            AppendUtf8(out, c);
        }
        return true;
    };
}

struct KeyCase {
    const char* label;
    const char* text;
    const char* key;
};

TEST(SearchKeyTest, FoldsEachCodePointThenCollapsesAndTrimsAsciiWhitespace) {
    const KeyCase cases[] = {
        {"display name", "Detroit, MI", "detroit, mi"},
        {"already folded", "detroit, mi", "detroit, mi"},
        {"accent and case", "Z\xC3\x9Crich", "zurich"},
        {"one code point to two",
         "Stra\xC3\x9F"
         "e",
         "strasse"},
        {"runs of mixed whitespace", " \tSan \r\n Jos\xC3\xA9 \v\f", "san jose"},
        {"no-break space folds to a space and collapses", "San\xC2\xA0 Jose", "san jose"},
        {"only whitespace", " \t\n", ""},
        {"unlisted code points kept", "\xE6\x9D\xB1\xE4\xBA\xAC", "\xE6\x9D\xB1\xE4\xBA\xAC"},
        {"quotes and brackets are plain text", "[MID] = \"x\"", "[mid] = \"x\""},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::optional<std::string> key = MakeSearchKey(*DecodeUtf8(c.text), TableFold());
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(*key, c.key);
    }
}

TEST(SearchKeyTest, AFoldFailureGivesNoKey) {
    const FoldFn failing = [](char32_t, std::string&) { return false; };
    EXPECT_FALSE(MakeSearchKey(U"Detroit", failing).has_value());
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

struct NameCase {
    const char* label;
    std::string text;
    bool usable;
};

TEST(CityNameTest, AcceptsUpTo199Utf16UnitsOfWellFormedText) {
    const std::string emoji = "\xF0\x9F\x98\x80";  // two UTF-16 units, four bytes
    const std::string emoji99 = Repeat(emoji, 99);
    const NameCase cases[] = {
        {"plain", "Detroit, MI", true},
        {"199 ascii", std::string(199, 'a'), true},
        {"200 ascii", std::string(200, 'a'), false},
        {"99 emoji + 1 = 199 units", emoji99 + "x", true},
        {"100 emoji = 200 units though 100 code points", emoji99 + emoji, false},
        {"199 three-byte characters", Repeat("\xE2\x82\xAC", 199), true},
        {"empty", "", false},
        {"only whitespace", " \t ", false},
        {"embedded NUL", std::string("Det\0roit", 8), false},
        {"invalid UTF-8", "Z\xFCrich", false},
        {"quotes and SQL are just characters", "\"; DROP TABLE cities; --", true},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(IsUsableCityName(c.text), c.usable);
    }
}

}  // namespace
}  // namespace orvanta
