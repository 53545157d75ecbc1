// The method values of the settings file: round trips, old files, values that cannot be read
// staying as they are, and overrides removed when the user drops them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/method_settings.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"

namespace orvanta {
namespace {

const std::string kKey =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

bool Has(const MemorySettingsFile& file, const std::string& line) {
    return file.content && file.content->find(line + "\n") != std::string::npos;
}

TEST(MethodSettings, ChoiceRoundTripsAsStringValues) {
    MemorySettingsFile file;
    MethodSettings method;
    method.choice.presetId = "turkey";
    method.choice.fajrAngleDeg = 18.5;
    method.choice.ishaIntervalMinutes = 75.0;
    method.choice.adjustments = {2, 0, 0, 0, -1, 60};
    method.choice.highLatitude = HighLatitudeRule::SeventhOfNight;
    method.choice.rounding = RoundingRule::Up;
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}, &method));
    // Strings (type 1) of UTF-16LE text: "18.5" is 31 00 38 00 2e 00 35 00 and the terminator.
    EXPECT_TRUE(Has(file, "\"FajrAngle\"=hex(1):31,00,38,00,2e,00,35,00,00,00"));
    const MethodSettings loaded = LoadMethodSettings(file);
    EXPECT_TRUE(loaded.unreadable.empty());
    EXPECT_EQ(loaded.choice.presetId, "turkey");
    EXPECT_EQ(loaded.choice.fajrAngleDeg, 18.5);
    EXPECT_FALSE(loaded.choice.ishaAngleDeg);
    EXPECT_EQ(loaded.choice.ishaIntervalMinutes, 75.0);
    EXPECT_EQ(loaded.choice.adjustments, method.choice.adjustments);
    EXPECT_EQ(loaded.choice.highLatitude, HighLatitudeRule::SeventhOfNight);
    EXPECT_EQ(loaded.choice.rounding, RoundingRule::Up);
}

TEST(MethodSettings, OldFilesLoadAsClassicAndAClassicSaveAddsNothing) {
    MemorySettingsFile withMethod;
    MemorySettingsFile without;
    withMethod.content = without.content = kKey + "\"SunRise\"=dword:00000001\n";
    const MethodSettings loaded = LoadMethodSettings(withMethod);
    EXPECT_EQ(loaded.choice.presetId, "classic");
    EXPECT_TRUE(loaded.unreadable.empty());
    ASSERT_TRUE(SaveSettings(withMethod, PrayerSettings{}, &loaded));
    ASSERT_TRUE(SaveSettings(without, PrayerSettings{}));
    EXPECT_EQ(withMethod.content, without.content);
}

TEST(MethodSettings, UnreadableValuesAreIgnoredAndLeftAsTheyAre) {
    MemorySettingsFile file;
    const std::vector<std::string> lines = {"\"Method\"=\"the-moon\"", "\"FajrAngle\"=\"eighteen\"",
                                            "\"IshaAngle\"=\"31\"", "\"Rounding\"=dword:00000001",
                                            "\"Adjustments\"=\"fajr=1,fajr=2\""};
    file.content = kKey;
    for (const std::string& line : lines) {
        *file.content += line + "\n";
    }
    const MethodSettings loaded = LoadMethodSettings(file);
    EXPECT_EQ(loaded.choice.presetId, "classic");
    EXPECT_FALSE(loaded.choice.fajrAngleDeg);
    EXPECT_EQ(loaded.unreadable, (std::vector<std::string>{"Method", "FajrAngle", "IshaAngle",
                                                           "Adjustments", "Rounding"}));
    EXPECT_NE(UnreadableMethodValuesWarning(loaded.unreadable).find("FajrAngle, IshaAngle"),
              std::string::npos);
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}, &loaded));
    for (const std::string& line : lines) {
        EXPECT_TRUE(Has(file, line)) << line;
    }
    // A value the user then chooses replaces the unreadable one.
    MethodSettings chosen = loaded;
    chosen.choice.presetId = "qatar";
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}, &chosen));
    EXPECT_EQ(LoadMethodSettings(file).choice.presetId, "qatar");
    EXPECT_FALSE(Has(file, "\"Method\"=\"the-moon\""));
}

TEST(MethodSettings, DroppedOverridesLeaveTheFile) {
    MemorySettingsFile file;
    file.content = kKey + "\"Method\"=\"mwl\"\n\"FajrAngle\"=\"19\"\n\"Rounding\"=\"up\"\n";
    MethodSettings loaded = LoadMethodSettings(file);
    ASSERT_EQ(loaded.choice.fajrAngleDeg, 19.0);
    loaded.choice.fajrAngleDeg.reset();
    loaded.choice.rounding.reset();
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}, &loaded));
    EXPECT_TRUE(Has(file, "\"Method\"=\"mwl\""));  // unchanged, so kept as written
    EXPECT_EQ(file.content->find("FajrAngle"), std::string::npos);
    EXPECT_EQ(file.content->find("Rounding"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
