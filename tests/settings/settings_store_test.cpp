// Loading and saving the prayer settings through an in-memory settings file: read-back rules,
// defaults, the lookup name, round trips, other keys kept, and failed saves changing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/utf16.h"
#include "settings/registry_text.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "tests/support/loaded_settings.h"

namespace orvanta {
namespace {

using testing_support::Fields;
using testing_support::Loaded;

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";
const std::string kKeyLine = "[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

std::string KeyFile(const std::string& values) {
    return kHeader + kKeyLine + values;
}

// A file written in a row: "-" for none, else the text after the header line, with "@" for the
// line of the settings key.
std::optional<std::string> FileCell(const std::string& cell) {
    if (cell == "-") {
        return std::nullopt;
    }
    std::string text = kHeader + cell;
    for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
        text.replace(at, 1, kKeyLine);
    }
    return text;
}

// Settings written in a row: "-" for the defaults, else NAME=VALUE words that change them.
PrayerSettings SettingsCell(const std::string& cell) {
    PrayerSettings s;
    std::istringstream words(cell);
    for (std::string word; words >> word && word != "-";) {
        const std::string name = word.substr(0, word.find('='));
        const std::string value = word.substr(name.size() + 1);
        if (name == "method") {
            s.method = MethodFromStored(static_cast<std::uint32_t>(std::stoi(value)));
        } else if (name == "interval") {
            s.intervalMinutes = std::stod(value);
        } else if (name == "depression") {
            s.depressionDegrees = std::stod(value);
        } else if (name == "fiqh") {
            s.fiqh = FiqhFromStored(static_cast<std::uint32_t>(std::stoi(value)));
        } else if (name == "asr") {
            s.asrShadowFactor = std::stod(value);
        } else {
            s.configuredCity = value;
        }
    }
    return s;
}

// The City value as a hex(1) line of the UTF-16LE units, padded with zero bytes to totalBytes.
std::string CityHexLine(std::u16string_view units, std::size_t totalBytes) {
    std::string bytes = Utf16ToLeBytes(units);
    bytes.resize(totalBytes, '\0');
    std::string line = "\"City\"=hex(1):";
    for (const unsigned char byte : bytes) {
        line += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15], ','};
    }
    line.back() = '\n';
    return line;
}

TEST(LoadSettings, ReadBackRulesAndDefaults) {
    const struct {
        const char* name;
        const char* file;      // see FileCell
        const char* expected;  // see SettingsCell
    } rows[] = {
        {"no file", "-", "-"},
        {"other key only", "[HKEY_LOCAL_MACHINE\\Software\\Else]\n\"Fiqh\"=dword:1\n", "-"},
        {"key without values", "@", "-"},
        {"all values",
         "@\"SunRise\"=dword:00000001\n\"Interval\"=dword:"
         "00000050\n\"Depression\"=dword:00000013\n"
         "\"Fiqh\"=dword:00000001\n\"City\"=\"Mecca\"\n",
         "method=1 interval=80 depression=19 fiqh=1 asr=2 city=Mecca"},
        {"SunRise keeps only its low 16 bits", "@\"SunRise\"=dword:00010000\n", "-"},
        {"SunRise: any other low half is the interval", "@\"SunRise\"=dword:0001ffff\n",
         "method=1"},
        {"Interval read as unsigned", "@\"Interval\"=dword:ffffffff\n", "interval=4294967295"},
        {"Fiqh 7 is Hanafi", "@\"Fiqh\"=dword:00000007\n", "fiqh=1 asr=2"},
        {"5 bytes take the default, others still read",
         "@\"Interval\"=hex:01,00,00,00,00\n\"Depression\"=dword:00000011\n", "depression=17"},
        {"2 bytes give their bytes and zeros", "@\"Depression\"=hex:0c,01\n", "depression=268"},
        {"an empty value reads as zero", "@\"Interval\"=hex:\n", "interval=0"},
        {"a string-typed number is its bytes", "@\"SunRise\"=\"a\"\n", "method=1"},
        {"a string-typed number too long", "@\"Interval\"=\"ab\"\n", "-"},
        {"a deleted value takes its default", "@\"Interval\"=-\n", "-"},
        {"last definition wins, a deletion hides earlier ones",
         "@\"Fiqh\"=dword:1\n\"Interval\"=dword:1\n\n@\"Fiqh\"=dword:"
         "0\n\"Interval\"=-\n",
         "-"},
        {"hex wrapped like an export, spaced and upper case",
         "@\"City\"=HEX(1):44 , 00,\\\r\n  65,00,\\\n  00,00\n", "city=De"},
        {"key path compares without case",
         "[hkey_local_machine\\SOFTWARE\\kelvarin\\orvanta]\n\"Fiqh\"=dword:1\n", "fiqh=1 asr=2"},
        {"value names compare without case", "@\"fIQH\"=dword:00000001\n", "fiqh=1 asr=2"},
        {"City typed as a number is still read", "@\"City\"=dword:00000041\n", "city=A"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySettingsFile file;
        file.content = FileCell(row.file);
        const PrayerSettings expected = SettingsCell(row.expected);
        std::string lookupName;
        EXPECT_EQ(Fields(Loaded(file, &lookupName)), Fields(expected));
        // A home city, which the lookup takes instead, is checked by the command-line tests.
        EXPECT_EQ(lookupName, expected.configuredCity);
    }
}

TEST(LoadSettings, CityStoredAsUtf16Text) {
    std::u16string cutPair(198, u'b');
    cutPair += u"\U0001F54C";  // units 199 and 200: the pair cannot fit 199 units
    const struct {
        const char* name;
        std::u16string units;
        std::size_t bytes;
        std::string city;
    } rows[] = {
        {"400 bytes", u"K\u00F6ln", 400, "K\xC3\xB6ln"},
        {"no terminator keeps 199 units", std::u16string(200, u'A'), 400, std::string(199, 'A')},
        {"no terminator never splits a pair", cutPair, 400, std::string(198, 'b')},
        {"401 bytes take the default", u"Mecca", 401, "Detroit, MI"},
        {"fewer than 400 bytes need no terminator", u"Ab", 4, "Ab"},
        {"a lone surrogate", u"a\xDC00z", 8, "a\xEF\xBF\xBDz"},
    };
    for (const auto& row : rows) {
        MemorySettingsFile file;
        file.content = KeyFile(CityHexLine(row.units, row.bytes));
        EXPECT_EQ(Fields(Loaded(file)), Fields({.configuredCity = row.city})) << row.name;
    }
}

TEST(SaveSettings, RoundTripsThroughTheFile) {
    // Saved, then loaded again (the Asr factor is not stored: the fiqh gives it).
    const std::pair<const char*, const char*> rows[] = {
        {"-", "-"},
        {"method=1 interval=90 depression=18.5 fiqh=1 asr=7 city=Mecca",
         "method=1 depression=18 fiqh=1 asr=2 city=Mecca"},
        {"method=1 interval=75.9 depression=15 asr=7", "method=1 interval=75 depression=15"},
        {"interval=-4 depression=1e12", "interval=0 depression=4294967295"},
        {"interval=nan", "interval=0"},
        {"city=", "city="},
        {"city=\xF0\x9F\x95\x8CTown", "city=\xF0\x9F\x95\x8CTown"},
    };
    for (const auto& [saved, loaded] : rows) {
        MemorySettingsFile file;
        ASSERT_TRUE(SaveSettings(file, SettingsCell(saved))) << saved;
        EXPECT_EQ(Fields(Loaded(file)), Fields(SettingsCell(loaded))) << saved;
        EXPECT_FALSE(file.changedWithoutLock || file.locked) << saved;
    }
    // 199 UTF-16 units fit, the last two a pair; 200 are refused and the file stays as it was.
    const std::string pair = "\xF0\x9F\x95\x8C";
    for (const std::string& city :
         {std::string(197, 'c') + pair, std::string(200, 'c'), std::string(198, 'c') + pair}) {
        MemorySettingsFile file;
        file.content = KeyFile("\"City\"=\"Mecca\"\n");
        const bool fits = city.size() == 197 + pair.size();
        ASSERT_EQ(SaveSettings(file, {.configuredCity = city}), fits);
        EXPECT_EQ(Loaded(file).configuredCity, fits ? city : "Mecca");
        EXPECT_EQ(file.replaceCount, fits ? 1 : 0);
    }
}

TEST(SaveSettings, WritesTheFiveValuesInOrderWithTheirTypesAndSizes) {
    MemorySettingsFile file;
    ASSERT_TRUE(SaveSettings(file, SettingsCell("method=1 fiqh=1 city=Ab")));
    ASSERT_TRUE(file.content.has_value());
    const std::string expectedStart = kHeader + kKeyLine +
                                      "\"SunRise\"=dword:00000001\n"
                                      "\"Interval\"=dword:0000005a\n"
                                      "\"Depression\"=dword:00000012\n"
                                      "\"Fiqh\"=dword:00000001\n"
                                      "\"City\"=hex(1):41,00,62,00,00,00,00,";
    EXPECT_EQ(file.content->substr(0, expectedStart.size()), expectedStart);
    // The City value is always 400 bytes: "Ab", its terminator and zeros.
    const std::optional<RegistryDocument> document = ParseRegistryText(*file.content);
    ASSERT_TRUE(document.has_value());
    const RegistryData* city = FindRegistryValue(*document, kSettingsKeyPath, "City");
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->bytes.size(), 400u);
}

// Around the values it writes, a save keeps the text byte for byte: other keys and values,
// comments, CRLF line ends, UTF-16 or UTF-8 with its byte order mark; an open last line is ended.
TEST(SaveSettings, KeepsEverythingElseByteForByte) {
    const std::string text = kHeader + "[HKEY_CURRENT_USER\\Other]\n\"N\"=\"K\xC3\xB6ln\"\n";
    const std::string crlf =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\First]\r\n"
        "@=\"default\"\r\n\"Blob\"=hex:01,02,\\\r\n  03\r\n\"Gone\"=-\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\r\n"
        "\"Extra\"=\"kept \\\"as is\\\"\"\r\n";
    const std::string tail =
        "\r\n; trailing comment\r\n[HKEY_CURRENT_USER\\Software\\Last]\r\n"
        "\"Count\"=dword:0000000A\r\n";
    const std::pair<std::string, std::string> rows[] = {
        {"\xFF\xFE" + Utf16ToLeBytes(*Utf8ToUtf16(text)), ""},
        {"\xEF\xBB\xBF" + text, ""},
        {KeyFile("\"Extra\"=\"x\""), ""},
        {crlf, "\"Fiqh\"=dword:00000000\r\n" + tail},  // the value in its place
    };
    for (const auto& [head, rest] : rows) {
        MemorySettingsFile file;
        file.content = head + rest;
        ASSERT_TRUE(SaveSettings(file, {.fiqh = Fiqh::kHanafi, .configuredCity = "K\xC3\xB6ln"}));
        const std::string& saved = *file.content;
        EXPECT_EQ(saved.substr(0, head.size()), head);
        EXPECT_EQ(Fields(Loaded(file)), Fields({.fiqh = Fiqh::kHanafi,
                                                .asrShadowFactor = 2.0,
                                                .configuredCity = "K\xC3\xB6ln"}));
        if (!rest.empty()) {
            const std::string fiqh = "\"Fiqh\"=dword:00000001\r\n";
            EXPECT_EQ(saved.substr(head.size(), fiqh.size()), fiqh);
            EXPECT_EQ(saved.substr(saved.size() - tail.size()), tail);
            EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'),
                      std::count(saved.begin(), saved.end(), '\r'));
        }
    }
}

// Texts the parser refuses, each holding a valid Fiqh value besides its damage.
TEST(ParseRegistryText, RefusesDamagedTexts) {
    const std::string fiqh = "\"Fiqh\"=dword:00000001\n";
    const std::string damaged[] = {
        "",
        "REGEDIT4\n\n" + kKeyLine + fiqh,
        std::string("\x00\x01\x02garbage", 10),
        "Windows Registry Editor Version 5.00\n" + fiqh + kKeyLine,
        KeyFile(fiqh + "hello\n"),
        KeyFile(fiqh) + "[K\n",
        KeyFile(fiqh + "\"A\"=dword:000000001\n"),
        KeyFile(fiqh + "\"A\"=dword:0000000g\n"),
        KeyFile(fiqh + "\"A\"=hex:100\n"),
        KeyFile(fiqh + "\"A\"=hex:10,\n"),
        KeyFile(fiqh + "\"A\"=hex(z):10\n"),
        KeyFile(fiqh + "\"A=dword:00000001\n"),
        KeyFile(fiqh + "\"A\"=\"abc\n"),
        KeyFile(fiqh + "\"A\" dword:00000001\n"),
        KeyFile(fiqh + "\"A\"=qword:1\n"),
        KeyFile(fiqh + "\"A\"=\"\xC0\xAF\"\n"),
        std::string("\xFF\xFEW\0i\0n", 7),  // odd-length UTF-16
    };
    for (const std::string& corrupt : damaged) {
        EXPECT_FALSE(ParseRegistryText(corrupt).has_value()) << corrupt;
    }
}

TEST(SaveSettings, FailureAnywhereReturnsFalseAndLeavesTheOldFile) {
    const struct {
        const char* name;
        bool corrupt;
        bool MemorySettingsFile::*failure;
    } rows[] = {
        {"file unreadable", false, &MemorySettingsFile::failRead},
        {"replace fails after a corrupt file", true, &MemorySettingsFile::failReplace},
        {"corrupt file cannot be moved aside", true, &MemorySettingsFile::failMoveAside},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string old =
            row.corrupt ? "not a registry file" : KeyFile("\"Interval\"=dword:00000001\n");
        MemorySettingsFile file;
        file.content = old;
        file.*row.failure = true;
        EXPECT_FALSE(SaveSettings(file, {.intervalMinutes = 60.0}));
        EXPECT_EQ(file.replaceCount, 0);
        EXPECT_FALSE(file.locked || file.changedWithoutLock);
        // The old settings (or the damaged file, moved aside) are still there.
        EXPECT_EQ(file.content ? *file.content : file.movedAside.at(0), old);
    }
}

}  // namespace
}  // namespace orvanta
