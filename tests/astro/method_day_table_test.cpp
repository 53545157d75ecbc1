// The method day table: the high-latitude rules, adjustments and rounding, and the seasonal
// twilight's published values. (The Ramadan interval: tests/hijri, with the real calendar.)
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/method_choice.h"
#include "astro/method_day_table.h"
#include "astro/method_presets.h"
#include "astro/solar_position.h"
#include "astro/twilight_rules.h"
#include "test_support.h"

namespace orvanta {
namespace {

using namespace testing;

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
// name | latitude, longitude east, zone | day index in 2026 | rule | portions of the night
// before sunrise (Fajr) and after sunset (Isha)
constexpr const char* kHighLatitude = R"(
58 N, middle               | 58 0 0            | 171 | middle-of-night  | 0.5 0.5
58 N, seventh              | 58 0 0            | 171 | seventh-of-night | 0.142857142857 0.142857142857
58 N, angle                | 58 0 0            | 171 | twilight-angle   | 0.3 0.283333333333
45 N in December, seventh  | 45 0 0            | 354 | seventh-of-night | 0 0
midnight sun, angle        | 70 25 1           | 171 | twilight-angle   | 0 0
)";

TEST(MethodDayTable, HighLatitudeRulesStandInOnlyForAMissingOrLongTwilight) {
    for (const auto& r : TableRows(kHighLatitude)) {
        const std::vector<double> at = Numbers(r[1]), portion = Numbers(r[4]);
        const CityLocation city = Place(at[0], at[1], at[2]);
        const int day = std::stoi(r[2]);
        const DayRow none = MethodYearTable(city, WithRule(HighLatitudeRule::kNone)).rows[day];
        const DayRow row = MethodYearTable(city, WithRule(*ParseHighLatitudeRule(r[3]))).rows[day];
        if (portion[0] == 0) {
            EXPECT_EQ(row, none) << r[0];
            continue;
        }
        ASSERT_TRUE(IsNoEvent(none[kFajr]) && IsNoEvent(none[kIsha])) << r[0];
        // The night that ends at this sunrise, and the one that begins at this sunset.
        const DayTable rule = MethodYearTable(city, WithRule(*ParseHighLatitudeRule(r[3])));
        const double before = row[kShuruq] + 24.0 - rule.rows[day - 1][kMaghrib];
        const double after = rule.rows[day + 1][kShuruq] + 24.0 - row[kMaghrib];
        EXPECT_NEAR(row[kShuruq] - portion[0] * before, row[kFajr], 1e-5) << r[0];
        EXPECT_NEAR(row[kMaghrib] + portion[1] * after, row[kIsha], 1e-5) << r[0];
    }
}

// Adjustments move every existing time by their minutes and create none; rounding up gives the
// next whole minute of each time.
TEST(MethodDayTable, AdjustmentsAndRoundingUp) {
    const MinuteOffsets adjustments = {-60, 60, -60, 60, -60, 60};
    for (const CityLocation& city : {Place(21.4225, 39.8262, 3.0), Place(70.0, 25.0, 1.0)}) {
        PrayerMethod method = FindMethodPreset("mwl")->method;
        const DayTable base = MethodYearTable(city, method);
        method.adjustmentMinutes = adjustments;
        const DayTable adjusted = MethodYearTable(city, method);
        method.adjustmentMinutes = {};
        method.rounding = RoundingRule::kUp;
        const DayTable up = MethodYearTable(city, method);
        for (int i = 0; i < 365; ++i) {
            for (int s = 0; s < kPrayerCount; ++s) {
                const double raw = base.rows[i][s], minutes = up.rows[i][s] * 60.0;
                const double moved = IsNoEvent(base.rows[i][s]) ? raw : raw + adjustments[s] / 60.0;
                ASSERT_NEAR(moved, adjusted.rows[i][s], 1e-5) << "day " << i << " slot " << s;
                ASSERT_NEAR(minutes, std::round(minutes), 1e-3) << "day " << i << " slot " << s;
                ASSERT_GE(minutes + 1e-3, raw * 60.0) << "day " << i << " slot " << s;
                ASSERT_LT(minutes, raw * 60.0 + 1.0) << "day " << i << " slot " << s;
            }
        }
    }
}

TEST(TwilightRules, RoundUpToMinuteAtItsBoundaries) {
    // hours, expected
    const std::pair<double, double> rows[] = {
        {5.0, 5.0},   {5.0 + 1.0 / 3600.0, 5.0 + 1.0 / 60.0}, {5.0 + 0.5e-6 / 3600.0, 5.0},
        {-0.5, -0.5}, {-0.5 + 1.0 / 3600.0, -29.0 / 60.0},    {NO_EVENT_TIME, NO_EVENT_TIME}};
    for (const auto& [hours, expected] : rows) {
        EXPECT_NEAR(expected, RoundUpToMinute(hours), 1e-12) << hours;
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

// A preset's own parts over its plain angles: its minutes (as the authorities publish them), its
// rounding up, and its seasonal bound where the twilight exists but lasts longer (London on
// 1 May: 18 deg is reached, the bound is nearer the sun's rising and setting).
TEST(MethodPresets, OwnMinutesRoundingAndSeasonalBound) {
    const struct {
        const char* preset;
        double latitude, longitude, zone, fajrAngle, ishaAngle;
        MinuteOffsets minutes;
        bool up, bounded;
    } rows[] = {{"singapore", 1.3521, 103.8198, 8, 20, 18, {0, 0, 1, 0, 0, 0}, true, false},
                {"moonsighting", 51.5074, -0.1278, 0, 18, 18, {0, 0, 5, 0, 3, 0}, false, true},
                {"dubai", 25.2048, 55.2708, 4, 18.2, 18.2, {0, -3, 3, 3, 3, 0}, false, false},
                {"indonesia", -6.1754, 106.8272, 7, 20, 18, {2, -2, 2, 2, 2, 2}, false, false},
                {"turkey", 41.0082, 28.9784, 3, 18, 17, {0, -7, 5, 4, 7, 0}, false, false}};
    const int day = 120;  // 1 May 2026
    for (const auto& r : rows) {
        const CityLocation city = Place(r.latitude, r.longitude, r.zone);
        const DayRow plain =
            MethodYearTable(city, {.fajrAngleDeg = r.fajrAngle, .ishaAngleDeg = r.ishaAngle})
                .rows[day];
        const DayRow row = MethodYearTable(city, FindMethodPreset(r.preset)->method).rows[day];
        const SeasonalTwilight bound =
            MoonsightingTwilight(r.latitude, DaysSinceWinterSolstice(day, false, false));
        for (int s = 0; s < kPrayerCount; ++s) {
            double expected = plain[s] + r.minutes[s] / 60.0;
            if (r.bounded && s == kFajr) {
                ASSERT_LT(plain[s], plain[kShuruq] - bound.fajrMinutes / 60.0);
                expected = plain[kShuruq] - bound.fajrMinutes / 60.0;
            } else if (r.bounded && s == kIsha) {
                ASSERT_GT(plain[s], plain[kMaghrib] + bound.ishaMinutes / 60.0);
                expected = plain[kMaghrib] + bound.ishaMinutes / 60.0;
            }
            expected = r.up ? std::ceil(expected * 60.0 - 1e-6) / 60.0 : expected;
            EXPECT_NEAR(expected, row[s], 1e-4) << r.preset << " slot " << s;
        }
    }
}

}  // namespace
}  // namespace orvanta
