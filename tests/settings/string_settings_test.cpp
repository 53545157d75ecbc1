// The values stored as registry strings beside the classic ones (method, reminders, window and
// tray, Hijri offset, clock): the stored text of each, read back, and a value that cannot be read
// ignored, named among the unreadable ones and left in the file by the next save.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <tuple>
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

// What one group made of a file: the values it ignored, whether its choice is the default, and
// whether saving that choice back (or the classic values, for the offset) worked.
struct Outcome {
    std::vector<std::string> unreadable;
    bool isDefault = false;
    bool saved = false;
};

Outcome LoadAndSaveBack(Group group, MemorySettingsFile& file) {
    switch (group) {
        case Group::kMethod: {
            const MethodSettings m = LoadMethodSettings(file);
            return {m.unreadable, IsClassic(m.choice), SaveSettings(file, PrayerSettings{}, &m)};
        }
        case Group::kReminder: {
            const ReminderSettings r = LoadReminderSettings(file);
            return {r.unreadable, r.choice == ReminderChoice{}, SaveReminderSettings(file, r)};
        }
        case Group::kCompanion: {
            const CompanionSettings c = LoadCompanionSettings(file);
            return {c.unreadable, !c.keepInTray && !c.startAtLogin && !c.placement,
                    SaveCompanionSettings(file, c)};
        }
        case Group::kHijri: {
            const HijriSettings h = LoadHijriSettings(file);
            return {
                h.unreadable ? std::vector<std::string>{"HijriOffset"} : std::vector<std::string>{},
                h.offsetDays == 0, SaveSettings(file, PrayerSettings{})};
        }
        case Group::kDisplay: {
            const DisplaySettings d = LoadDisplaySettings(file);
            return {d.unreadable, d.clock == ClockStyle::kLanguage, SaveDisplaySettings(file, d)};
        }
    }
    return {};
}

// Each line holds one value the group cannot read; the method row holds one of each kind, in the
// order the group reads them (a value of the wrong type is refused by one helper for every group).
TEST(StringSettings, UnreadableValuesAreIgnoredNamedAndKept) {
    const std::pair<Group, std::string> rows[] = {
        {Group::kMethod,
         "\"Method\"=\"the-moon\"\n\"FajrAngle\"=\"eighteen\"\n\"IshaAngle\"=\"31\"\n"
         "\"Adjustments\"=\"fajr=1,fajr=2\"\n\"Rounding\"=dword:00000001"},
        {Group::kReminder, "\"ReminderPrayers\"=\"fajr,tahajjud\""},
        {Group::kReminder, "\"ReminderPrayers\"=\"asr,asr\""},
        {Group::kReminder, "\"ReminderMinutesBefore\"=\"61\""},
        {Group::kReminder, "\"ReminderMinutesBefore\"=\"10 min\""},
        {Group::kReminder, "\"ReminderVolume\"=\"-5\""},
        {Group::kReminder, "\"ReminderSound\"=\"yes\""},
        // 80,002 bytes of UTF-16: more than any setting holds (kMaxStringValueBytes)
        {Group::kReminder, "\"ReminderSoundFile\"=\"" + std::string(40'000, 'a') + "\""},
        {Group::kCompanion, "\"KeepInTray\"=\"yes\""},
        {Group::kCompanion, "\"WindowPlacement\"=\"1,2,3,4,5\""},
        {Group::kCompanion, "\"WindowPlacement\"=\"100001,0,300,200\""},
        {Group::kHijri, "\"HijriOffset\"=\"3\""},
        {Group::kHijri, "\"HijriOffset\"=\"1.5\""},
        {Group::kHijri, "\"HijriOffset\"=\"\""},
        {Group::kHijri, "\"HijriOffset\"=dword:00000031"},  // the bytes of "1" as a number
        {Group::kDisplay, "\"Clock\"=\"thirteen\""},
        {Group::kDisplay, "\"Clock\"=\"Language\""},
        {Group::kDisplay, "\"NightTimes\"=\"yes\""},
        {Group::kMethod, "\"ImsakMinutes\"=\"61\""},
        {Group::kMethod, "\"ImsakMinutes\"=\"-5\""},
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
            EXPECT_TRUE(Has(file, lines[i]));
        }
    }
}

TEST(StringSettings, StoredTextsReadAsTheirValues) {
    const std::array<bool, kPrayerCount> none{};
    const std::array<bool, kPrayerCount> fajr{true};
    const struct {
        std::string line;  // empty: no value
        int hijriOffset;
        ClockStyle clock;
        std::array<bool, kPrayerCount> reminded;
        bool on = false;  // KeepInTray and ReminderSound
    } rows[] = {
        {"", 0, ClockStyle::kLanguage, none},
        {"\"HijriOffset\"=\"-2\"\n\"Clock\"=\"12\"", -2, ClockStyle::kTwelveHour, none},
        {"\"HijriOffset\"=\"2\"\n\"Clock\"=hex(1):32,00,34,00,00,00", 2,
         ClockStyle::kTwentyFourHour, none},
        {"\"HijriOffset\"=\"0\"\n\"Clock\"=\"language\"", 0, ClockStyle::kLanguage, none},
        {"\"HijriOffset\"=\"-0\"\n\"ReminderPrayers\"=\"fajr,\"", 0, ClockStyle::kLanguage, fajr},
        {"\"ReminderPrayers\"=\",fajr\"", 0, ClockStyle::kLanguage, fajr},
        {"\"ReminderPrayers\"=\",\"", 0, ClockStyle::kLanguage, none},
        {"\"KeepInTray\"=\"on\"\n\"ReminderSound\"=\"1\"", 0, ClockStyle::kLanguage, none, true},
        {"\"KeepInTray\"=\"0\"\n\"ReminderSound\"=\"on\"", 0, ClockStyle::kLanguage, none, true},
    };
    for (const auto& row : rows) {
        MemorySettingsFile file = FileWith(row.line + "\n");
        EXPECT_EQ(LoadHijriSettings(file).offsetDays, row.hijriOffset) << row.line;
        EXPECT_FALSE(LoadHijriSettings(file).unreadable) << row.line;
        EXPECT_EQ(LoadDisplaySettings(file).clock, row.clock) << row.line;
        EXPECT_TRUE(LoadDisplaySettings(file).unreadable.empty()) << row.line;
        const ReminderSettings reminders = LoadReminderSettings(file);
        EXPECT_EQ(reminders.choice.atPrayer, row.reminded) << row.line;
        EXPECT_TRUE(reminders.unreadable.empty()) << row.line;
        EXPECT_EQ(reminders.choice.sound, row.on) << row.line;
        const CompanionSettings companion = LoadCompanionSettings(file);
        EXPECT_EQ(companion.keepInTray, row.line.starts_with("\"KeepInTray\"=\"on")) << row.line;
        // Saved back unchanged, a switch keeps its spelling ("," above is a default: removed).
        const std::string before = *file.content;
        ASSERT_TRUE(SaveReminderSettings(file, reminders) &&
                    SaveCompanionSettings(file, companion));
        EXPECT_TRUE(!row.on || *file.content == before) << *file.content;
    }
}

// Every group saved into one file in one replacement, beside the classic values (a clock chosen
// replacing one that could not be read), read back, and at its default leaving no value. Strings
// are type 1, UTF-16LE text and its terminator: "18.5" is 31 00 38 00 2e 00 35 00 00 00.
TEST(StringSettings, EachGroupRoundTripsBesideTheOthersAndItsDefaultLeavesTheFile) {
    MemorySettingsFile file = FileWith(
        "\"SunRise\"=dword:00000001\n\"Method\"=\"turkey\"\n\"FajrAngle\"=\"eighteen\"\n"
        "\"Clock\"=\"thirteen\"\n");
    MethodSettings method = LoadMethodSettings(file);
    ASSERT_EQ(method.unreadable, std::vector<std::string>{"FajrAngle"});
    method.choice.fajrAngleDeg = 18.5;
    method.choice.ishaIntervalMinutes = 75.0;
    method.choice.adjustments = {2, 0, 0, 0, -1, 60};
    method.choice.highLatitude = HighLatitudeRule::kNearestLatitude;
    method.choice.nearestLatitudeDeg = 65.0;
    method.choice.rounding = RoundingRule::kUp;
    ReminderSettings reminders;
    reminders.choice = {.atPrayer = {true, false, false, true, false, true},
                        .minutesBefore = 60,  // both at the top of their ranges
                        .sound = true,
                        .soundFile = "/home/amina/Adhan (kurz).ogg",
                        .volumePercent = 100};
    CompanionSettings companion;
    companion.keepInTray = true;
    companion.placement = WindowPlacement{-20, 35, 420, 360};
    const DisplaySettings display{ClockStyle::kTwentyFourHour, {"Clock"}};
    ASSERT_TRUE(SaveSettingsGroups(file, PrayerSettings{},
                                   {&method, -1, &display, &reminders, &companion}));
    EXPECT_EQ(file.replaceCount, 1);  // every group in one replacement of the file
    EXPECT_FALSE(SaveHijriOffset(file, 3));
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    for (const char* line : {
             "\"Method\"=\"turkey\"",  // unchanged: stays as written
             "\"FajrAngle\"=hex(1):31,00,38,00,2e,00,35,00,00,00",
             "\"ReminderPrayers\"=hex(1):66,00,61,00,6a,00,72,00,2c,00",  // "fajr,asr,isha"
             "\"KeepInTray\"=hex(1):31,00,00,00",
             "\"ReminderSound\"=hex(1):31,00,00,00",  // "1": one spelling for every switch
             "\"HijriOffset\"=hex(1):2d,00,31,00,00,00",
             "\"Clock\"=hex(1):32,00,34,00,00,00",
         }) {
        EXPECT_NE(file.content->find(line), std::string::npos) << line;
    }
    const auto fields = [](const MethodChoice& c) {
        return std::tie(c.presetId, c.fajrAngleDeg, c.ishaAngleDeg, c.ishaIntervalMinutes,
                        c.maghribAngleDeg, c.adjustments, c.highLatitude, c.rounding,
                        c.nearestLatitudeDeg);
    };
    MethodSettings loaded = LoadMethodSettings(file);
    EXPECT_TRUE(fields(loaded.choice) == fields(method.choice));
    EXPECT_TRUE(loaded.unreadable.empty());
    EXPECT_EQ(LoadReminderSettings(file).choice, reminders.choice);
    const CompanionSettings tray = LoadCompanionSettings(file);
    EXPECT_TRUE(tray.keepInTray && !tray.startAtLogin && tray.unreadable.empty());
    EXPECT_EQ(tray.placement, companion.placement);
    EXPECT_EQ(LoadHijriSettings(file).offsetDays, -1);
    EXPECT_EQ(LoadDisplaySettings(file).clock, ClockStyle::kTwentyFourHour);

    loaded.choice.fajrAngleDeg.reset();
    loaded.choice.rounding.reset();
    companion.keepInTray = false;  // turned off: the stored "1" becomes "0"
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}, &loaded));
    ASSERT_TRUE(SaveReminderSettings(file, ReminderSettings{}));
    ASSERT_TRUE(SaveCompanionSettings(file, companion));
    ASSERT_TRUE(SaveDisplaySettings(file, DisplaySettings{}));
    EXPECT_TRUE(Has(file, "\"Method\"=\"turkey\""));
    EXPECT_TRUE(Has(file, "\"KeepInTray\"=hex(1):30,00,00,00"));
    for (const char* gone : {"FajrAngle", "Rounding", "Reminder", "StartAtLogin", "Clock"}) {
        EXPECT_EQ(file.content->find(gone), std::string::npos) << gone;
    }

    // The classic choice adds nothing to a file without method values.
    MemorySettingsFile classic;
    MemorySettingsFile without;
    const MethodSettings none = LoadMethodSettings(FileWith(""));
    ASSERT_TRUE(SaveSettings(classic, PrayerSettings{}, &none));
    ASSERT_TRUE(SaveSettings(without, PrayerSettings{}));
    EXPECT_EQ(classic.content, without.content);
}

}  // namespace
}  // namespace orvanta
