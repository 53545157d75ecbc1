// Loading and saving the prayer settings through an in-memory settings file: read-back rules,
// defaults, the lookup name, round trips, other keys kept, and failed saves changing nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/utf16.h"
#include "settings/registry_text.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

class FakeHomeCity final : public HomeCitySource {
  public:
    explicit FakeHomeCity(std::optional<std::string> name) : name_(std::move(name)) {}
    bool ReadHomeCity(CityLocation& city) const override {
        if (name_) {
            city.name = *name_;
        }
        return name_.has_value();
    }

  private:
    std::optional<std::string> name_;
};

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";
const std::string kKeyLine = "[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

std::string KeyFile(const std::string& values) {
    return kHeader + kKeyLine + values;
}

// A hex(1) value line of the UTF-16LE units, padded with zero bytes to totalBytes.
std::string HexLine(std::string_view name, std::u16string_view units, std::size_t totalBytes) {
    std::string bytes = Utf16ToLeBytes(units);
    bytes.resize(totalBytes, '\0');
    std::ostringstream line;
    line << '"' << name << "\"=hex(1):";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line << (i == 0 ? "" : ",") << std::hex << std::setw(2) << std::setfill('0')
             << static_cast<unsigned>(static_cast<unsigned char>(bytes[i]));
    }
    line << '\n';
    return line.str();
}

PrayerSettings Make(std::int16_t method, double interval, double depression, std::int32_t fiqh,
                    std::string city, double asr = 1.0) {
    return {method, interval, depression, fiqh, asr, std::move(city)};
}

// The fields as one text, so that a failure shows which of them differ.
std::string Fields(const PrayerSettings& s) {
    std::ostringstream text;
    text << std::setprecision(17) << "method " << s.method << ", interval " << s.intervalMinutes
         << ", depression " << s.depressionDegrees << ", fiqh " << s.fiqh << ", asr "
         << s.asrShadowFactor << ", city \"" << s.configuredCity << '"';
    return text.str();
}

// Loads the file over values unlike every default, so that a value left unread shows; the lookup
// name the load settles goes to *lookupName.
PrayerSettings Load(const SettingsFile& file, std::string* lookupName = nullptr,
                    std::optional<std::string> home = std::nullopt) {
    PrayerSettings settings = Make(5, -1.0, -1.0, 9, "leftover", 9.0);
    CityLocation city;
    city.name = "leftover";
    LoadSettings(file, FakeHomeCity(std::move(home)), settings, city);
    if (lookupName != nullptr) {
        *lookupName = city.name;
    }
    return settings;
}

TEST(LoadSettings, ReadBackRulesAndDefaults) {
    struct Row {
        const char* name;
        std::optional<std::string> file;  // nothing: no file
        PrayerSettings expected;
        const char* home = nullptr;  // the user's home city, which the lookup takes instead
    };
    const std::u16string allA(200, u'A');
    std::u16string cutPair(198, u'b');
    cutPair += u"\U0001F54C";  // units 199 and 200: the pair cannot fit 199 units
    const std::vector<Row> rows = {
        {"no file", std::nullopt, {}},
        {"other key only",
         kHeader + "[HKEY_LOCAL_MACHINE\\Software\\Else]\n\"Fiqh\"=dword:1\n",
         {}},
        {"key without values", KeyFile(""), {}},
        {"all values",
         KeyFile("\"SunRise\"=dword:00000001\n\"Interval\"=dword:00000050\n"
                 "\"Depression\"=dword:00000013\n\"Fiqh\"=dword:00000001\n\"City\"=\"Mecca\"\n"),
         {1, 80.0, 19.0, 1, 2.0, "Mecca"}},
        {"home city, no file", std::nullopt, {}, "Jeddah"},
        {"home city beside a configured one",
         KeyFile("\"City\"=\"Mecca\"\n"),
         {.configuredCity = "Mecca"},
         "Jeddah"},
        {"SunRise keeps only its low 16 bits", KeyFile("\"SunRise\"=dword:00010000\n"), {}},
        {"SunRise low half read as signed",
         KeyFile("\"SunRise\"=dword:0001ffff\n"),
         {.method = -1}},
        {"Interval read as unsigned",
         KeyFile("\"Interval\"=dword:ffffffff\n"),
         {.intervalMinutes = 4294967295.0}},
        {"Fiqh 7 is Hanafi",
         KeyFile("\"Fiqh\"=dword:00000007\n"),
         {.fiqh = 7, .asrShadowFactor = 2.0}},
        {"Fiqh read as signed",
         KeyFile("\"Fiqh\"=dword:ffffffff\n"),
         {.fiqh = -1, .asrShadowFactor = 2.0}},
        {"value of 5 bytes takes its default, others still read",
         KeyFile("\"Interval\"=hex:01,00,00,00,00\n\"Depression\"=dword:00000011\n"),
         {.depressionDegrees = 17.0}},
        {"value of 2 bytes gives its bytes and zeros",
         KeyFile("\"Depression\"=hex:0c,01\n"),
         {.depressionDegrees = 268.0}},
        {"empty value reads as zero", KeyFile("\"Interval\"=hex:\n"), {.intervalMinutes = 0.0}},
        {"string-typed number read as its bytes", KeyFile("\"SunRise\"=\"a\"\n"), {.method = 0x61}},
        {"string-typed number too long", KeyFile("\"Interval\"=\"ab\"\n"), {}},
        {"deleted value takes its default", KeyFile("\"Interval\"=-\n"), {}},
        {"last definition wins, a deletion hides earlier ones",
         KeyFile("\"Fiqh\"=dword:1\n\"Interval\"=dword:1\n\n") + kKeyLine +
             "\"Fiqh\"=dword:0\n\"Interval\"=-\n",
         {}},
        {"hex wrapped like an export, spaced and upper case",
         KeyFile("\"City\"=HEX(1):44 , 00,\\\r\n  65,00,\\\n  00,00\n"),
         {.configuredCity = "De"}},
        {"key path compares without case",
         kHeader + "[hkey_local_machine\\SOFTWARE\\kelvarin\\orvanta]\n\"Fiqh\"=dword:1\n",
         {.fiqh = 1, .asrShadowFactor = 2.0}},
        {"value names compare without case",
         KeyFile("\"fIQH\"=dword:00000001\n"),
         {.fiqh = 1, .asrShadowFactor = 2.0}},
        {"City stored as hex(1)",
         KeyFile(HexLine("City", u"K\u00F6ln", 400)),
         {.configuredCity = "K\xC3\xB6ln"}},
        {"City without terminator keeps 199 units",
         KeyFile(HexLine("City", allA, 400)),
         {.configuredCity = std::string(199, 'A')}},
        {"City without terminator never splits a pair",
         KeyFile(HexLine("City", cutPair, 400)),
         {.configuredCity = std::string(198, 'b')}},
        {"City of 401 bytes takes its default", KeyFile(HexLine("City", u"Mecca", 401)), {}},
        {"City shorter than 400 bytes needs no terminator",
         KeyFile(HexLine("City", u"Ab", 4)),
         {.configuredCity = "Ab"}},
        {"City with a lone surrogate",
         KeyFile(HexLine("City", u"a\xDC00z", 8)),
         {.configuredCity = "a\xEF\xBF\xBDz"}},
        {"City typed as a number is still read",
         KeyFile("\"City\"=dword:00000041\n"),
         {.configuredCity = "A"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySettingsFile file;
        file.content = row.file;
        std::string lookupName;
        const auto home = row.home ? std::optional<std::string>(row.home) : std::nullopt;
        EXPECT_EQ(Fields(Load(file, &lookupName, home)), Fields(row.expected));
        EXPECT_EQ(lookupName, row.home ? row.home : row.expected.configuredCity);
    }
}

TEST(SaveSettings, RoundTripsThroughTheFile) {
    struct Row {
        const char* name;
        PrayerSettings saved;  // the Asr factor 7 is not stored: it is derived again at load
        PrayerSettings loaded;
        bool refused = false;  // the file must stay as it was
    };
    const std::string pair = "\xF0\x9F\x95\x8C";  // one character, two UTF-16 units
    const auto make = [](std::int16_t method, double interval, double depression, std::int32_t fiqh,
                         std::string city) {
        return Make(method, interval, depression, fiqh, std::move(city), 7.0);
    };
    const std::vector<Row> rows = {
        {"defaults", PrayerSettings{}, {}},
        {"whole numbers only", make(1, 90.0, 18.5, 1, "Mecca"), {1, 90.0, 18.0, 1, 2.0, "Mecca"}},
        {"negative method keeps its sign",
         make(-2, 75.9, 15.0, 0, "Cairo"),
         {-2, 75.0, 15.0, 0, 1.0, "Cairo"}},
        {"negative fiqh", make(0, 90.0, 18.0, -3, "x"), {0, 90.0, 18.0, -3, 2.0, "x"}},
        {"out-of-range numbers clamp",
         make(0, -4.0, 1e12, 0, "Detroit, MI"),
         {0, 0.0, 4294967295.0, 0, 1.0, "Detroit, MI"}},
        {"NaN saves as 0", make(0, std::nan(""), 18.0, 0, "Detroit, MI"), {.intervalMinutes = 0.0}},
        {"empty city", make(0, 90.0, 18.0, 0, ""), {.configuredCity = ""}},
        {"non-BMP city",
         make(0, 90.0, 18.0, 0, "\xF0\x9F\x95\x8C Town"),
         {.configuredCity = "\xF0\x9F\x95\x8C Town"}},
        {"city of 199 UTF-16 units, the last two a pair",
         make(0, 90.0, 18.0, 0, std::string(197, 'c') + pair),
         {.configuredCity = std::string(197, 'c') + pair}},
        {"city of 200 units", make(0, 90.0, 18.0, 0, std::string(200, 'c')), {}, true},
        {"city of 200 units, the last two a pair",
         make(0, 90.0, 18.0, 0, std::string(198, 'c') + pair),
         {},
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySettingsFile file;
        file.content = KeyFile("\"City\"=\"Mecca\"\n");
        ASSERT_EQ(SaveSettings(file, row.saved), !row.refused);
        if (row.refused) {
            EXPECT_EQ(file.content, KeyFile("\"City\"=\"Mecca\"\n"));
            EXPECT_EQ(file.replaceCount, 0);
        } else {
            EXPECT_EQ(Fields(Load(file)), Fields(row.loaded));
        }
        EXPECT_FALSE(file.changedWithoutLock);
        EXPECT_FALSE(file.locked);
    }
}

TEST(SaveSettings, WritesTheFiveValuesInOrderWithTheirTypesAndSizes) {
    MemorySettingsFile file;
    ASSERT_TRUE(SaveSettings(file, Make(-1, 90.0, 18.0, 1, "Ab")));
    ASSERT_TRUE(file.content.has_value());
    const std::string expectedStart = kHeader + kKeyLine +
                                      "\"SunRise\"=dword:ffffffff\n"
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

TEST(SaveSettings, KeepsOtherKeysAndValuesByteForByte) {
    const std::string before =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\First]\r\n"
        "@=\"default\"\r\n\"Blob\"=hex:01,02,\\\r\n  03\r\n\"Gone\"=-\r\n\r\n";
    const std::string ours =
        "[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\r\n"
        "\"Extra\"=\"kept \\\"as is\\\"\"\r\n"
        "\"Interval\"=dword:00000001\r\n";
    const std::string after =
        "\r\n; trailing comment\r\n"
        "[HKEY_CURRENT_USER\\Software\\Last]\r\n"
        "\"Count\"=dword:0000000A\r\n";
    MemorySettingsFile file;
    file.content = before + ours + after;
    ASSERT_TRUE(SaveSettings(file, {.intervalMinutes = 45.0}));
    const std::string& saved = *file.content;

    const std::string keptHead = before + ours.substr(0, ours.find("\"Interval\""));
    EXPECT_EQ(saved.substr(0, keptHead.size()), keptHead);
    ASSERT_GE(saved.size(), after.size());
    EXPECT_EQ(saved.substr(saved.size() - after.size()), after);
    EXPECT_NE(saved.find("\"Interval\"=dword:0000002d\r\n"), std::string::npos);
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i] == '\n') {
            ASSERT_TRUE(i > 0 && saved[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
}

TEST(SaveSettings, KeepsTheEncodingAndByteOrderMarkAndEndsAnOpenLastLine) {
    const std::string text = kHeader + "[HKEY_CURRENT_USER\\Other]\n\"N\"=\"K\xC3\xB6ln\"\n";
    for (const std::string& before : {"\xFF\xFE" + Utf16ToLeBytes(*Utf8ToUtf16(text)),
                                      "\xEF\xBB\xBF" + text, KeyFile("\"Extra\"=\"x\"")}) {
        MemorySettingsFile file;
        file.content = before;
        ASSERT_TRUE(SaveSettings(file, {.fiqh = 1, .configuredCity = "K\xC3\xB6ln"}));
        EXPECT_EQ(file.content->substr(0, before.size()), before);
        EXPECT_EQ(Fields(Load(file)),
                  Fields({.fiqh = 1, .asrShadowFactor = 2.0, .configuredCity = "K\xC3\xB6ln"}));
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
        KeyFile(fiqh) + "[]\n",
        KeyFile(fiqh + "\"A\"=dword:000000001\n"),
        KeyFile(fiqh + "\"A\"=dword:0000000g\n"),
        KeyFile(fiqh + "\"A\"=dword:\n"),
        KeyFile(fiqh + "\"A\"=hex:100\n"),
        KeyFile(fiqh + "\"A\"=hex:10,\n"),
        KeyFile(fiqh + "\"A\"=hex:10,\\\n"),
        KeyFile(fiqh + "\"A\"=hex(z):10\n"),
        KeyFile(fiqh + "\"A=dword:00000001\n"),
        KeyFile(fiqh + "\"A\"=\"abc\n"),
        KeyFile(fiqh + "\"A\"=\"abc\" x\n"),
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
    struct Row {
        const char* name;
        bool corrupt;
        void (*breakIt)(MemorySettingsFile&);
    };
    const std::vector<Row> rows = {
        {"lock not taken", false, [](MemorySettingsFile& f) { f.failLock = true; }},
        {"file unreadable", false, [](MemorySettingsFile& f) { f.failRead = true; }},
        {"replace fails", false, [](MemorySettingsFile& f) { f.failReplace = true; }},
        {"replace fails after a corrupt file", true,
         [](MemorySettingsFile& f) { f.failReplace = true; }},
        {"corrupt file cannot be moved aside", true,
         [](MemorySettingsFile& f) { f.failMoveAside = true; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySettingsFile file;
        file.content = row.corrupt ? std::string("not a registry file")
                                   : KeyFile("\"Interval\"=dword:00000001\n");
        row.breakIt(file);
        EXPECT_FALSE(SaveSettings(file, {.intervalMinutes = 60.0}));
        EXPECT_EQ(file.replaceCount, 0);
        EXPECT_FALSE(file.locked);
        EXPECT_FALSE(file.changedWithoutLock);
        // The old settings (or the damaged file, moved aside) are still there.
        const std::string old = file.content ? *file.content : file.movedAside.at(0);
        EXPECT_EQ(old,
                  row.corrupt ? "not a registry file" : KeyFile("\"Interval\"=dword:00000001\n"));
    }
}

}  // namespace
}  // namespace orvanta
