// The values stored as registry strings beside the classic ones (method, reminders, window and
// tray, Hijri offset, clock): the stored text of each, read back, and a value that cannot be read
// ignored, named in the warning and left in the file by the next save.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "settings/companion_settings.h"
#include "settings/display_settings.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "settings/reminder_settings.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"

namespace orvanta {
namespace {

const std::string kKey =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

bool Has(const MemorySettingsFile& file, const std::string& line) {
    return file.content && file.content->find(line + "\n") != std::string::npos;
}

MemorySettingsFile FileWith(const std::string& lines) {
    MemorySettingsFile file;
    file.content = kKey + lines;
    return file;
}

enum class Group { kMethod, kReminder, kCompanion, kHijri, kDisplay };

// What one group made of a file: the values it ignored, its warning, whether its choice is the
// default, and whether saving that choice back (or the classic values, for the offset) worked.
struct Outcome {
    std::vector<std::string> unreadable;
    std::string warning;
    bool isDefault = false;
    bool saved = false;
};

Outcome LoadAndSaveBack(Group group, MemorySettingsFile& file) {
    switch (group) {
        case Group::kMethod: {
            const MethodSettings m = LoadMethodSettings(file);
            return {m.unreadable, UnreadableMethodValuesWarning(m.unreadable), IsClassic(m.choice),
                    SaveSettings(file, PrayerSettings{}, &m)};
        }
        case Group::kReminder: {
            const ReminderSettings r = LoadReminderSettings(file);
            return {r.unreadable, UnreadableReminderValuesWarning(r.unreadable),
                    r.choice == ReminderChoice{}, SaveReminderSettings(file, r)};
        }
        case Group::kCompanion: {
            const CompanionSettings c = LoadCompanionSettings(file);
            return {c.unreadable, UnreadableCompanionValuesWarning(c.unreadable),
                    !c.keepInTray && !c.startAtLogin && !c.placement,
                    SaveCompanionSettings(file, c)};
        }
        case Group::kHijri: {
            const HijriSettings h = LoadHijriSettings(file);
            return {
                h.unreadable ? std::vector<std::string>{"HijriOffset"} : std::vector<std::string>{},
                UnreadableHijriOffsetWarning(), h.offsetDays == 0,
                SaveSettings(file, PrayerSettings{})};
        }
        case Group::kDisplay: {
            const DisplaySettings d = LoadDisplaySettings(file);
            return {d.unreadable, UnreadableDisplayValuesWarning(d.unreadable),
                    d.clock == ClockStyle::kLanguage, SaveDisplaySettings(file, d)};
        }
    }
    return {};
}

// Each line holds one value the group cannot read; the method row holds one of each kind, in the
// order the group reads them.
TEST(StringSettings, UnreadableValuesAreIgnoredNamedAndKept) {
    const std::pair<Group, std::string> rows[] = {
        {Group::kMethod,
         "\"Method\"=\"the-moon\"\n\"FajrAngle\"=\"eighteen\"\n\"IshaAngle\"=\"31\"\n"
         "\"Adjustments\"=\"fajr=1,fajr=2\"\n\"Rounding\"=dword:00000001"},
        {Group::kReminder, "\"ReminderPrayers\"=\"fajr,tahajjud\""},
        {Group::kReminder, "\"ReminderPrayers\"=\"asr,asr\""},
        {Group::kReminder, "\"ReminderPrayers\"=dword:00000001"},
        {Group::kReminder, "\"ReminderMinutesBefore\"=\"61\""},
        {Group::kReminder, "\"ReminderMinutesBefore\"=\"10 min\""},
        {Group::kReminder, "\"ReminderVolume\"=\"-5\""},
        {Group::kReminder, "\"ReminderSound\"=\"yes\""},
        {Group::kCompanion, "\"KeepInTray\"=\"yes\""},
        {Group::kCompanion, "\"WindowPlacement\"=\"1,2,3,4,5\""},
        {Group::kCompanion, "\"WindowPlacement\"=\"100001,0,300,200\""},
        {Group::kHijri, "\"HijriOffset\"=\"3\""},
        {Group::kHijri, "\"HijriOffset\"=\"1.5\""},
        {Group::kHijri, "\"HijriOffset\"=\"+1\""},
        {Group::kHijri, "\"HijriOffset\"=\"\""},
        {Group::kHijri, "\"HijriOffset\"=dword:00000001"},
        {Group::kDisplay, "\"Clock\"=\"thirteen\""},
        {Group::kDisplay, "\"Clock\"=\"Language\""},
        {Group::kDisplay, "\"Clock\"=dword:00000018"},
    };
    for (const auto& [group, text] : rows) {
        SCOPED_TRACE(text);
        std::vector<std::string> lines;
        std::vector<std::string> names;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
            names.push_back(line.substr(1, line.find('"', 1) - 1));
        }
        MemorySettingsFile file = FileWith(text + "\n");
        const Outcome outcome = LoadAndSaveBack(group, file);
        EXPECT_EQ(outcome.unreadable, names);
        EXPECT_TRUE(outcome.isDefault);
        EXPECT_TRUE(outcome.saved);
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_NE(outcome.warning.find(names[i]), std::string::npos) << outcome.warning;
            EXPECT_TRUE(Has(file, lines[i]));
        }
    }
}

TEST(StringSettings, StoredTextsReadAsTheirValues) {
    const struct {
        std::string line;  // empty: no value
        int hijriOffset;
        ClockStyle clock;
    } rows[] = {
        {"", 0, ClockStyle::kLanguage},
        {"\"HijriOffset\"=\"-2\"\n\"Clock\"=\"12\"", -2, ClockStyle::kTwelveHour},
        {"\"HijriOffset\"=\"2\"\n\"Clock\"=hex(1):32,00,34,00,00,00", 2,
         ClockStyle::kTwentyFourHour},
        {"\"HijriOffset\"=\"0\"\n\"Clock\"=\"language\"", 0, ClockStyle::kLanguage},
    };
    for (const auto& row : rows) {
        const MemorySettingsFile file = FileWith(row.line + "\n");
        EXPECT_EQ(LoadHijriSettings(file).offsetDays, row.hijriOffset) << row.line;
        EXPECT_FALSE(LoadHijriSettings(file).unreadable) << row.line;
        EXPECT_EQ(LoadDisplaySettings(file).clock, row.clock) << row.line;
        EXPECT_TRUE(LoadDisplaySettings(file).unreadable.empty()) << row.line;
    }
}

TEST(MethodSettings, ChoiceRoundTripsAndDroppedOverridesLeaveTheFile) {
    // The unreadable angle is replaced by the one chosen; the unchanged method stays as written.
    MemorySettingsFile file = FileWith("\"Method\"=\"turkey\"\n\"FajrAngle\"=\"eighteen\"\n");
    MethodSettings method = LoadMethodSettings(file);
    ASSERT_EQ(method.unreadable, std::vector<std::string>{"FajrAngle"});
    method.choice.presetId = "turkey";
    method.choice.fajrAngleDeg = 18.5;
    method.choice.ishaIntervalMinutes = 75.0;
    method.choice.adjustments = {2, 0, 0, 0, -1, 60};
    method.choice.highLatitude = HighLatitudeRule::SeventhOfNight;
    method.choice.rounding = RoundingRule::Up;
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}, &method));
    // Strings (type 1) of UTF-16LE text: "18.5" is 31 00 38 00 2e 00 35 00 and the terminator.
    EXPECT_TRUE(Has(file, "\"FajrAngle\"=hex(1):31,00,38,00,2e,00,35,00,00,00"));
    MethodSettings loaded = LoadMethodSettings(file);
    EXPECT_TRUE(loaded.unreadable.empty());
    EXPECT_EQ(loaded.choice.presetId, "turkey");
    EXPECT_EQ(loaded.choice.fajrAngleDeg, 18.5);
    EXPECT_FALSE(loaded.choice.ishaAngleDeg);
    EXPECT_EQ(loaded.choice.ishaIntervalMinutes, 75.0);
    EXPECT_EQ(loaded.choice.adjustments, method.choice.adjustments);
    EXPECT_EQ(loaded.choice.highLatitude, HighLatitudeRule::SeventhOfNight);
    EXPECT_EQ(loaded.choice.rounding, RoundingRule::Up);

    loaded.choice.fajrAngleDeg.reset();
    loaded.choice.rounding.reset();
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}, &loaded));
    EXPECT_TRUE(Has(file, "\"Method\"=\"turkey\""));
    EXPECT_EQ(file.content->find("FajrAngle"), std::string::npos);
    EXPECT_EQ(file.content->find("Rounding"), std::string::npos);

    // The classic choice adds nothing to a file without method values.
    MemorySettingsFile classic;
    MemorySettingsFile without;
    const MethodSettings none = LoadMethodSettings(FileWith(""));
    ASSERT_TRUE(SaveSettings(classic, PrayerSettings{}, &none));
    ASSERT_TRUE(SaveSettings(without, PrayerSettings{}));
    EXPECT_EQ(classic.content, without.content);
}

TEST(ReminderSettings, ChoiceRoundTripsBesideTheClassicValuesAndDefaultsLeaveTheFile) {
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
    ASSERT_TRUE(SaveReminderSettings(file, ReminderSettings{}));
    EXPECT_EQ(file.content->find("Reminder"), std::string::npos);
}

TEST(CompanionSettings, RoundTripBesideTheClassicValues) {
    MemorySettingsFile file;
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    const std::string classic = *file.content;
    CompanionSettings settings;
    settings.keepInTray = true;
    settings.placement = WindowPlacement{-20, 35, 420, 360};
    ASSERT_TRUE(SaveCompanionSettings(file, settings));
    // "1" as a string value: 31 00 and the terminator; the default StartAtLogin is not added.
    EXPECT_TRUE(Has(file, "\"KeepInTray\"=hex(1):31,00,00,00"));
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
    EXPECT_TRUE(Has(file, "\"KeepInTray\"=hex(1):30,00,00,00"));
}

TEST(HijriAndDisplaySettings, SavedBesideTheOtherValuesAndKeptByOtherSaves) {
    // A clock the user chooses replaces the one that could not be read.
    MemorySettingsFile file =
        FileWith("\"SunRise\"=dword:00000001\n\"Method\"=\"turkey\"\n\"Clock\"=\"thirteen\"\n");
    ASSERT_TRUE(SaveHijriOffset(file, -1));
    EXPECT_FALSE(SaveHijriOffset(file, 3));
    ASSERT_TRUE(SaveDisplaySettings(file, {ClockStyle::kTwentyFourHour, {"Clock"}}));
    // String values (type 1) of UTF-16LE "-1" and "24" and their terminators.
    EXPECT_TRUE(Has(file, "\"HijriOffset\"=hex(1):2d,00,31,00,00,00"));
    EXPECT_TRUE(Has(file, "\"Clock\"=hex(1):32,00,34,00,00,00"));
    EXPECT_TRUE(Has(file, "\"SunRise\"=dword:00000001"));
    EXPECT_TRUE(Has(file, "\"Method\"=\"turkey\""));
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    EXPECT_EQ(LoadHijriSettings(file).offsetDays, -1);
    EXPECT_EQ(LoadDisplaySettings(file).clock, ClockStyle::kTwentyFourHour);
    // Back to the language's clock: no value says it.
    ASSERT_TRUE(SaveDisplaySettings(file, DisplaySettings{}));
    EXPECT_EQ(file.content->find("Clock"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
