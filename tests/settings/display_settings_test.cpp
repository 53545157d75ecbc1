// The display values of the settings file: the clock style read from each stored form, saved in
// the same file, and an unreadable value left as it is.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/display_settings.h"
#include "settings/settings_memory_file.h"

namespace orvanta {
namespace {

const std::string kKey =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

// "24" as a registry string: UTF-16LE 32 00 34 00 and the terminator.
const std::string kClock24 = "\"Clock\"=hex(1):32,00,34,00,00,00";

TEST(DisplaySettings, EachStoredFormGivesItsClock) {
    struct Row {
        const char* name;
        std::optional<std::string> line;  // the Clock line under the key; nothing: no value
        ClockStyle clock;
        bool unreadable;
    };
    const Row rows[] = {
        {"no value", std::nullopt, ClockStyle::kLanguage, false},
        {"twelve", "\"Clock\"=\"12\"", ClockStyle::kTwelveHour, false},
        {"twenty-four as hex", kClock24, ClockStyle::kTwentyFourHour, false},
        {"the language's", "\"Clock\"=\"language\"", ClockStyle::kLanguage, false},
        {"the case differs", "\"Clock\"=\"Language\"", ClockStyle::kLanguage, true},
        {"a number", "\"Clock\"=dword:00000018", ClockStyle::kLanguage, true},
    };
    for (const Row& row : rows) {
        MemorySettingsFile file;
        file.content = kKey + (row.line ? *row.line + "\n" : std::string());
        const DisplaySettings loaded = LoadDisplaySettings(file);
        EXPECT_EQ(loaded.clock, row.clock) << row.name;
        EXPECT_EQ(loaded.unreadable.size(), row.unreadable ? 1U : 0U) << row.name;
    }
}

TEST(DisplaySettings, AnUnreadableValueStaysUntilAChoiceAndTheLanguageClockRemovesIt) {
    const std::string line = "\"Clock\"=\"thirteen\"";
    MemorySettingsFile file;
    file.content = kKey + line + "\n";
    DisplaySettings display = LoadDisplaySettings(file);
    ASSERT_EQ(display.unreadable, std::vector<std::string>{"Clock"});
    ASSERT_TRUE(SaveDisplaySettings(file, display));
    EXPECT_NE(file.content->find(line + "\n"), std::string::npos);
    display.clock = ClockStyle::kTwentyFourHour;
    ASSERT_TRUE(SaveDisplaySettings(file, display));
    EXPECT_NE(file.content->find(kClock24 + "\n"), std::string::npos);
    // Back to the language's clock: no value says it.
    ASSERT_TRUE(SaveDisplaySettings(file, DisplaySettings{}));
    EXPECT_EQ(file.content->find("Clock"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
