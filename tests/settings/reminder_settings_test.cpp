// The reminder values of the settings file: a round trip, the defaults of an old file, and
// values that cannot be read ignored one by one and kept as they are.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/reminder_settings.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"

namespace orvanta {
namespace {

const std::string kKey =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

TEST(ReminderSettings, ChoiceRoundTripsBesideTheClassicValues) {
    MemorySettingsFile file;
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    ReminderSettings saved;
    saved.choice = {.atPrayer = {true, false, false, true, false, true},
                    .minutesBefore = 15,
                    .sound = true,
                    .soundFile = "/home/amina/Adhan (kurz).ogg",
                    .volumePercent = 35};
    ASSERT_TRUE(SaveReminderSettings(file, saved));
    // "fajr,asr,isha" as UTF-16LE text: f = 66 00, a = 61 00, ...
    EXPECT_NE(file.content->find("\"ReminderPrayers\"=hex(1):66,00,61,00,6a,00,72,00,2c,00"),
              std::string::npos);
    const ReminderSettings loaded = LoadReminderSettings(file);
    EXPECT_EQ(loaded.choice, saved.choice);
    EXPECT_TRUE(loaded.unreadable.empty());
    EXPECT_NE(file.content->find("\"City\""), std::string::npos);  // the classic values stay

    // Back to the defaults: the values leave the file.
    ASSERT_TRUE(SaveReminderSettings(file, ReminderSettings{}));
    EXPECT_EQ(file.content->find("Reminder"), std::string::npos);
}

TEST(ReminderSettings, NothingStoredMeansEveryReminderOff) {
    MemorySettingsFile file;
    file.content = kKey + "\"SunRise\"=dword:00000001\n";
    const ReminderChoice choice = LoadReminderSettings(file).choice;
    EXPECT_EQ(choice.atPrayer, (std::array<bool, kPrayerCount>{}));
    EXPECT_EQ(choice.minutesBefore, 0);
    EXPECT_FALSE(choice.sound);
}

TEST(ReminderSettings, UnreadableValuesAreIgnoredAndKept) {
    struct Row {
        const char* name;
        std::string line;
    };
    const std::vector<Row> rows = {
        {"unknown prayer", "\"ReminderPrayers\"=\"fajr,tahajjud\""},
        {"prayer twice", "\"ReminderPrayers\"=\"asr,asr\""},
        {"a number, not text", "\"ReminderPrayers\"=dword:00000001"},
        {"minutes past 60", "\"ReminderMinutesBefore\"=\"61\""},
        {"minutes with a unit", "\"ReminderMinutesBefore\"=\"10 min\""},
        {"negative volume", "\"ReminderVolume\"=\"-5\""},
        {"sound yes", "\"ReminderSound\"=\"yes\""},
    };
    for (const Row& row : rows) {
        MemorySettingsFile file;
        file.content = kKey + row.line + "\n";
        const ReminderSettings loaded = LoadReminderSettings(file);
        ASSERT_EQ(loaded.unreadable.size(), 1U) << row.name;
        EXPECT_NE(UnreadableReminderValuesWarning(loaded.unreadable).find(loaded.unreadable[0]),
                  std::string::npos);
        EXPECT_EQ(loaded.choice, ReminderChoice{}) << row.name;
        ASSERT_TRUE(SaveReminderSettings(file, loaded)) << row.name;
        EXPECT_NE(file.content->find(row.line + "\n"), std::string::npos) << row.name;
    }
}

}  // namespace
}  // namespace orvanta
