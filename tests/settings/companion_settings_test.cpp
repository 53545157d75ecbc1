// The companion values of the settings file: round trips, defaults that add nothing, and values
// that cannot be read staying as they are.
#include "settings/companion_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"

namespace orvanta {
namespace {

const std::string kKey =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

TEST(CompanionSettings, RoundTripBesideTheClassicValues) {
    MemorySettingsFile file;
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    const std::string classic = *file.content;
    CompanionSettings settings;
    settings.keepInTray = true;
    settings.placement = WindowPlacement{-20, 35, 420, 360};
    ASSERT_TRUE(SaveCompanionSettings(file, settings));
    // "1" as a string value: 31 00 and the terminator; the default StartAtLogin is not added.
    EXPECT_NE(file.content->find("\"KeepInTray\"=hex(1):31,00,00,00\n"), std::string::npos);
    EXPECT_EQ(file.content->find("StartAtLogin"), std::string::npos);
    EXPECT_EQ(file.content->rfind(classic.substr(0, classic.size() - 1), 0), 0U);
    const CompanionSettings loaded = LoadCompanionSettings(file);
    EXPECT_TRUE(loaded.keepInTray);
    EXPECT_FALSE(loaded.startAtLogin);
    EXPECT_EQ(loaded.placement, settings.placement);
    EXPECT_TRUE(loaded.unreadable.empty());

    settings.keepInTray = false;  // turned off: the stored "1" becomes "0"
    ASSERT_TRUE(SaveCompanionSettings(file, settings));
    EXPECT_FALSE(LoadCompanionSettings(file).keepInTray);
    EXPECT_NE(file.content->find("\"KeepInTray\"=hex(1):30,00,00,00\n"), std::string::npos);
}

struct UnreadableCase {
    const char* name;
    std::string line;
    std::string valueName;
};

class Unreadable : public testing::TestWithParam<UnreadableCase> {};

TEST_P(Unreadable, IsIgnoredAndLeftInTheFile) {
    const UnreadableCase& c = GetParam();
    MemorySettingsFile file;
    file.content = kKey + c.line + "\n";
    CompanionSettings loaded = LoadCompanionSettings(file);
    EXPECT_EQ(loaded.unreadable, std::vector<std::string>{c.valueName});
    EXPECT_FALSE(loaded.keepInTray);
    EXPECT_FALSE(loaded.startAtLogin);
    EXPECT_FALSE(loaded.placement);
    loaded.keepInTray = true;
    loaded.startAtLogin = true;
    ASSERT_TRUE(SaveCompanionSettings(file, loaded));
    EXPECT_NE(file.content->find(c.line + "\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Unreadable,
    testing::Values(
        UnreadableCase{"SwitchWord", "\"KeepInTray\"=\"yes\"", "KeepInTray"},
        UnreadableCase{"FiveNumbers", "\"WindowPlacement\"=\"1,2,3,4,5\"", "WindowPlacement"},
        UnreadableCase{"FarAway", "\"WindowPlacement\"=\"100001,0,300,200\"", "WindowPlacement"}),
    [](const testing::TestParamInfo<UnreadableCase>& row) { return row.param.name; });

}  // namespace
}  // namespace orvanta
