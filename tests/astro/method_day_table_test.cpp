// The method day table: the high-latitude rules, adjustments and rounding, and the seasonal
// twilight's published values. (The Ramadan interval: tests/hijri, with the real calendar.)
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/method_day_table.h"
#include "astro/method_presets.h"
#include "astro/solar_position.h"
#include "astro/twilight_rules.h"
#include "test_support.h"

namespace orvanta {
namespace {

using namespace testing;

constexpr int kJune21 = 171;  // day index in 2026
constexpr int kDecember21 = 354;

DayTable MethodYearTable(const CityLocation& city, const PrayerMethod& method) {
    DayTable table;
    EXPECT_TRUE(ComputeMethodDayTable(table, 0, kDaysInTable, ComputeYearElements(2026), city,
                                      method, MethodYear{}));
    return table;
}

PrayerMethod WithRule(HighLatitudeRule rule) {
    PrayerMethod m = FindMethodPreset("mwl")->method;
    m.highLatitude = rule;
    return m;
}

// A rule replaces Fajr and Isha by a portion of the night where the twilight never ends (58 N
// in June; MWL: Fajr 18 deg, Isha 17 deg) and leaves a short twilight and a nightless day alone
// (portion 0: the row equals the one without a rule).
TEST(MethodDayTable, HighLatitudeRulesStandInOnlyForAMissingOrLongTwilight) {
    using enum HighLatitudeRule;
    const CityLocation north58 = Place(58.0, 0.0, 0.0), north45 = Place(45.0, 0.0, 0.0);
    const CityLocation makkah = Place(21.4225, 39.8262, 3.0), arctic = Place(70.0, 25.0, 1.0);
    const struct {
        const char* what;
        CityLocation city;
        int day;
        HighLatitudeRule rule;
        double fajrPortion, ishaPortion;
    } rows[] = {
        {"58 N, middle", north58, kJune21, MiddleOfNight, 0.5, 0.5},
        {"58 N, seventh", north58, kJune21, SeventhOfNight, 1 / 7.0, 1 / 7.0},
        {"58 N, angle", north58, kJune21, TwilightAngle, 0.3, 17 / 60.0},
        {"45 N in December, seventh", north45, kDecember21, SeventhOfNight, 0, 0},
        {"Makkah in December, middle", makkah, kDecember21, MiddleOfNight, 0, 0},
        {"midnight sun, angle", arctic, kJune21, TwilightAngle, 0, 0},
    };
    for (const auto& r : rows) {
        const DayRow none = MethodYearTable(r.city, WithRule(None)).rows[r.day];
        const DayRow row = MethodYearTable(r.city, WithRule(r.rule)).rows[r.day];
        if (r.fajrPortion == 0) {
            EXPECT_EQ(row, none) << r.what;
            continue;
        }
        ASSERT_TRUE(IsNoEvent(none[kFajr]) && IsNoEvent(none[kIsha])) << r.what;
        const double night = 24.0 - (row[kMaghrib] - row[kShuruq]);
        EXPECT_NEAR(row[kShuruq] - r.fajrPortion * night, row[kFajr], 1e-5) << r.what;
        EXPECT_NEAR(row[kMaghrib] + r.ishaPortion * night, row[kIsha], 1e-5) << r.what;
    }
}

TEST(MethodDayTable, AdjustmentsMoveEveryExistingTimeAndCreateNone) {
    for (const CityLocation& city : {Place(21.4225, 39.8262, 3.0), Place(70.0, 25.0, 1.0)}) {
        PrayerMethod method = FindMethodPreset("mwl")->method;
        const DayRow base = MethodYearTable(city, method).rows[kJune21];
        method.adjustmentMinutes = {-60, 60, -60, 60, -60, 60};
        const DayRow row = MethodYearTable(city, method).rows[kJune21];
        for (int s = 0; s < kPrayerCount; ++s) {
            const double moved = base[s] + method.adjustmentMinutes[s] / 60.0;
            EXPECT_NEAR(IsNoEvent(base[s]) ? base[s] : moved, row[s], 1e-5)
                << "slot " + std::to_string(s);
        }
    }
}

TEST(MethodDayTable, RoundingUpGivesTheNextWholeMinuteOfEachTime) {
    const CityLocation singapore = Place(1.3521, 103.8198, 8.0);
    PrayerMethod nearest = FindMethodPreset("singapore")->method;
    const DayTable up = MethodYearTable(singapore, nearest);
    nearest.rounding = RoundingRule::Nearest;
    const DayTable raw = MethodYearTable(singapore, nearest);
    for (int i = 0; i < 365; ++i) {
        for (int s = 0; s < kPrayerCount; ++s) {
            const double minutes = up.rows[i][s] * 60.0;
            const double rawMinutes = raw.rows[i][s] * 60.0;
            ASSERT_NEAR(minutes, std::round(minutes), 1e-3) << i << " " << s;
            ASSERT_GE(minutes + 1e-3, rawMinutes) << i << " " << s;
            ASSERT_LT(minutes, rawMinutes + 1.0) << i << " " << s;
        }
    }
}

TEST(TwilightRules, RoundUpToMinuteAtItsBoundaries) {
    const struct {
        double hours, expected;
    } rows[] = {
        {5.0, 5.0},   {5.0 + 1.0 / 3600.0, 5.0 + 1.0 / 60.0}, {5.0 + 0.5e-6 / 3600.0, 5.0},
        {-0.5, -0.5}, {-0.5 + 1.0 / 3600.0, -29.0 / 60.0},    {NO_EVENT_TIME, NO_EVENT_TIME}};
    for (const auto& r : rows) {
        EXPECT_NEAR(r.expected, RoundUpToMinute(r.hours), 1e-12) << "rounded";
    }
}

TEST(TwilightRules, MoonsightingSeasonalMinutesFromThePublishedConstants) {
    // Anchors: 75 + x * |lat| / 55 with x = 28.65, 19.44, 32.74, 48.10 (Fajr) and 25.60, 2.050,
    // -9.21, 6.14 (Isha) at days 0, 91, 137 and 183.
    const struct {
        double latitude;
        int days;
        double fajr, isha;
    } rows[] = {{0.0, 100, 75.0, 75.0},      {55.0, 0, 103.65, 100.60},
                {-55.0, 91, 94.44, 77.05},   {55.0, 183, 123.10, 81.14},
                {27.5, 160, 95.21, 74.2325}, {55.0, 365, 103.65 - 9.21 / 91, 100.60 - 23.55 / 91}};
    for (const auto& r : rows) {
        const SeasonalTwilight t = MoonsightingTwilight(r.latitude, r.days);
        EXPECT_NEAR(r.fajr, t.fajrMinutes, 1e-9) << "Fajr minutes";
        EXPECT_NEAR(r.isha, t.ishaMinutes, 1e-9) << "Isha minutes";
    }
    // Days are counted from 21 December (21 June in the south): 1 January is day 11.
    EXPECT_EQ(DaysSinceWinterSolstice(0, false, false), 11);
    EXPECT_EQ(DaysSinceWinterSolstice(354, false, false), 0);
    EXPECT_EQ(DaysSinceWinterSolstice(355, true, false), 0);
    EXPECT_EQ(DaysSinceWinterSolstice(171, false, true), 0);
    EXPECT_EQ(DaysSinceWinterSolstice(0, false, true), 194);
}

// In the order the command line and the window list them, each once.
TEST(MethodPresets, EveryIdOfTheCommandLineIsThereOnce) {
    std::string ids;
    for (const MethodPreset& preset : MethodPresets()) {
        ids += std::string(preset.id) + " ";
    }
    EXPECT_EQ(ids,
              "mwl isna egypt karachi umm-al-qura dubai qatar kuwait singapore malaysia indonesia "
              "turkey france russia tehran jafari moonsighting ");
    EXPECT_EQ(FindMethodPreset("classic"), nullptr);
}

}  // namespace
}  // namespace orvanta
