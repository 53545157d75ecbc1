// The day table: times against an independent solar calculation, both Fajr/Isha methods, the
// daylight-saving pass, fallbacks where an event does not happen and the mended cases (zones
// far ahead of their longitude, depression angles beyond 90 degrees, huge intervals).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "astro/calendar.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "astro/day_table_rules.h"
#include "astro/method_date_row.h"
#include "astro/time_text.h"
#include "test_support.h"

namespace orvanta {
namespace {

using namespace testing;

const DaylightShiftTable kNoShifts{};
const CityLocation kForty = Place(40.0, -75.0, -5.0);

DayTable YearTable(const CityLocation& city, const PrayerSettings& settings,
                   const DaylightShiftTable& shifts = kNoShifts) {
    DayTable table;
    EXPECT_TRUE(
        ComputeDayTable(table, 0, kDaysInTable, ComputeYearElements(2024), city, settings, shifts));
    return table;
}

// Expected hours from the published NOAA solar equations (Meeus), computed separately with
// the sun's centre 90.833 deg from the zenith at sunrise and sunset, 108 deg for the twilight.
// Agreement to 15 s also checks the day table's own constants (its horizon angle, the seeds).
// Each row is checked in the year's table, as the one day the date row computes on its own and,
// for the twilight by angle, through the method path.
// Hanafi Asr has shadow factor 2. Without sunrise and sunset (midnight sun) the interval counts
// from the fallbacks 5.0 and 21.0. A depression beyond 90 degrees (or not a number) and an interval
// too large for any clock leave Fajr and Isha without a time, and the other times alone. In zones
// far from their longitude the interval is not wrapped across midnight. name | latitude, longitude
// east, zone | date | method, interval, depression, shadow factor | hours of the six times ("none":
// shown as no time, "-": not checked)
constexpr const char* kWorked = R"(
40N 1 January              | 40 -75 -5             | 2024 1 1  | 0 90 18 1         | 5.7426 7.3640 12.0572 14.4537 16.7526 18.3741
40N 20 June                | 40 -75 -5             | 2024 6 20 | 0 90 18 1         | 2.4638 4.5208 12.0292 16.0085 19.5377 21.5947
Mecca 1 January            | 21.416667 39.816667 3 | 2024 1 1  | 0 90 18 1         | 5.6528 6.9731 12.4002 15.4783 17.8284 19.1485
Mecca Hanafi, interval     | 21.416667 39.816667 3 | 2024 3 20 | 1 90 18 2         | 4.9090 6.4090 12.4676 16.8379 18.5314 20.0314
70N midnight sun           | 70 25 1               | 2024 6 20 | 0 90 18 1         | none none - - none none
70N midnight sun, interval | 70 25 1               | 2024 6 20 | 1 90 18 1         | 3.5 none - - none 22.5
40N depression 120         | 40 -75 -5             | 2024 1 1  | 0 90 120 1        | none 7.3640 12.0572 14.4537 16.7526 none
40N depression NaN         | 40 -75 -5             | 2024 1 1  | 0 90 nan 1        | none 7.3640 12.0572 14.4537 16.7526 none
40N interval 2^32-1 min    | 40 -75 -5             | 2024 1 1  | 1 4294967295 18 1 | none 7.3640 12.0572 14.4537 16.7526 none
40N interval 1e300 min     | 40 -75 -5             | 2024 1 1  | 1 1e300 18 1      | none 7.3640 12.0572 14.4537 16.7526 none
Equator 82.5 E at UT       | 0 82.5 0              | 2024 4 10 | 1 90 18 1         | -1.0346 0.4654 6.5204 9.7400 12.5754 14.0754
Equator 82.5 W at UT       | 0 -82.5 0             | 2024 4 10 | 1 90 18 1         | 9.9633 11.4633 17.5183 20.7416 23.5734 25.0734
)";

TEST(ComputeDayTable, TimesAgreeWithAnIndependentSolarCalculation) {
    for (const auto& row : TableRows(kWorked)) {
        const std::vector<double> place = Numbers(row[1]), method = Numbers(row[3]);
        const CityLocation city = Place(place[0], place[1], place[2]);
        const PrayerSettings settings{
            .method = method[0] == 0 ? TwilightMethod::kDepressionAngle : TwilightMethod::kInterval,
            .intervalMinutes = method[1],
            .depressionDegrees = method[2],
            .asrShadowFactor = method[3]};
        const CivilDate civil = DateField(row[2]);
        const DayRow year =
            YearTable(city, settings).rows[*DayIndexOfDate(1, civil.month, civil.day)];
        const auto day = ComputeDateRow(civil, city, settings);
        // A method with the depression as both twilight angles is the same day by the new path.
        const auto byAngles = ComputeMethodDateRow(
            civil, city,
            {.fajrAngleDeg = method[2], .ishaAngleDeg = method[2], .asrShadowFactor = method[3]});
        ASSERT_TRUE(day && byAngles) << row[0];
        std::istringstream hours(row[4]);
        std::string expected;
        for (int s = 0; s < kPrayerCount && hours >> expected; ++s) {
            for (const auto& [how, value] :
                 {std::pair{" (year)", year[s]},
                  {" (day)", (*day)[s]},
                  {" (angles)", method[0] == 0 ? (*byAngles)[s] : year[s]}}) {
                const std::string what = row[0] + " slot " + std::to_string(s) + how;
                if (expected == "none") {
                    EXPECT_EQ(FormatPrayerTime(value), kCantDetermineText) << what;
                } else if (expected != "-") {
                    EXPECT_NEAR(std::stod(expected), value, 0.004) << what;
                }
            }
        }
    }
}

// 24 - 2e-7 is below 24 in double precision but rounds to 24.0 when stored: not a seed.
TEST(DayTableRules, AValueStoredAs24IsNoSeed) {
    const double almost24 = 24.0 - 2e-7;
    EXPECT_EQ(NextSeed(ToSlot(almost24), almost24, 21.0), 21.0);
}

TEST(ComputeDayTable, OutOfRangeRequestsAndDatesThatDoNotExistAreRefused) {
    const YearElements el = ComputeYearElements(2024);
    DayTable table;
    table.rows[10].fill(-7.0f);
    EXPECT_TRUE(ComputeDayTable(table, 10, 10, el, kForty, PrayerSettings{}, kNoShifts));
    EXPECT_FALSE(ComputeDayTable(table, -1, 11, el, kForty, PrayerSettings{}, kNoShifts));
    EXPECT_FALSE(ComputeDayTable(table, 10, 367, el, kForty, PrayerSettings{}, kNoShifts));
    EXPECT_EQ(table.rows[10][kZuhr], -7.0f);
    const std::pair<CivilDate, bool> dates[] = {
        {{2023, 2, 29}, false}, {{1900, 2, 29}, false}, {{2024, 13, 1}, false},
        {{2024, 4, 31}, false}, {{0, 1, 1}, false},     {{10000, 1, 1}, false},
        {{2024, 1, 0}, false},  {{2024, 2, 29}, true},  {{2000, 2, 29}, true},
        {{9999, 12, 31}, true}, {{1, 1, 1}, true}};
    for (const auto& [date, exists] : dates) {
        EXPECT_EQ(ComputeDateRow(date, kForty, PrayerSettings{}).has_value(), exists)
            << date.year << "-" << date.month << "-" << date.day;
    }
}

// Shifts of any amount on any day (whole, half-hour, negative, at the year's ends) are added to
// every slot, no-event slots too (Tromso's midnight sun in June). A range of single days equals
// each day computed alone, to the bit (a seed or transit carried from the previous row instead of
// the day before would change the last bits the CSV's hours column shows), also without twilight or
// sunset and by interval.
TEST(ComputeDayTable, DaylightShiftsAndSingleDayRows) {
    DaylightShiftTable shifts{};
    std::fill(shifts.begin() + 80, shifts.begin() + 300, 1.0);
    shifts[0] = 1.0;
    shifts[171] = 0.5;
    shifts[172] = -1.0;
    shifts[365] = -0.5;
    const YearElements elements = ComputeYearElements(2024);
    for (const auto& [city, method] : {std::pair{Place(21.42, 39.83, 3.0), 0},
                                       {Place(69.65, 18.96, 1.0), 0},
                                       {Place(-54.8, -68.3, -3.0), 1}}) {
        const PrayerSettings settings{.method = static_cast<TwilightMethod>(method)};
        const DayTable plain = YearTable(city, settings);
        const DayTable shifted = YearTable(city, settings, shifts);
        DayTable single{};
        ASSERT_TRUE(ComputeSingleDayRows(single, 3, 366, elements, city, settings, shifts));
        EXPECT_FALSE(ComputeSingleDayRows(single, 0, 367, elements, city, settings, shifts));
        for (int i = 0; i < kDaysInTable; ++i) {
            for (int s = 0; s < kPrayerCount; ++s) {
                ASSERT_EQ(shifted.rows[i][s],
                          static_cast<float>(static_cast<double>(plain.rows[i][s]) + shifts[i]))
                    << "day " << i << " slot " << s;
            }
            const DayRow alone = ComputeSingleDayRow(static_cast<std::int16_t>(i), elements, city,
                                                     settings, shifts[i]);
            ASSERT_TRUE(i < 3 || std::memcmp(&alone, &single.rows[i], sizeof alone) == 0)
                << "day " << i;
        }
    }
}

// Apia, 13.83 S 171.76 W at +13: its 15 January is 14 January at -11 on the same meridian, so
// the clocks must agree to the minute although sunrise comes out near 30.2 h.
TEST(ComputeDateRow, ZoneThirteenHoursAheadMatchesTheSameMeridianAcrossTheDateLine) {
    const auto minuteOfDay = [](float hours) {
        return static_cast<int>(std::lround(static_cast<double>(hours) * 60.0)) % 1440;
    };
    for (const PrayerSettings& settings :
         {PrayerSettings{}, PrayerSettings{.method = TwilightMethod::kInterval}}) {
        const auto ahead = ComputeDateRow({2026, 1, 15}, Place(-13.83, -171.76, 13.0), settings);
        const auto behind = ComputeDateRow({2026, 1, 14}, Place(-13.83, -171.76, -11.0), settings);
        ASSERT_TRUE(ahead && behind);
        EXPECT_GT((*ahead)[kShuruq], 24.0f);
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_LE(std::abs(minuteOfDay((*ahead)[s]) - minuteOfDay((*behind)[s])), 1)
                << "method " << static_cast<int>(settings.method) << " slot " << s;
        }
    }
}

// The fixed window (first Sunday of April to the Saturday before the last Sunday of October)
// applies only to zones observing daylight saving. 2024: 7 April .. 26 October.
TEST(ComputeDateRow, FixedWindowAppliesOnlyToZonesObservingDaylightSaving) {
    CityLocation observing = kForty;
    observing.supportsDst = 1;
    const std::pair<CivilDate, float> rows[] = {
        {{2024, 4, 6}, 0}, {{2024, 4, 7}, 1}, {{2024, 10, 26}, 1}, {{2024, 10, 27}, 0}};
    for (const auto& [date, shift] : rows) {
        const auto standard = ComputeDateRow(date, kForty, PrayerSettings{});
        const auto observed = ComputeDateRow(date, observing, PrayerSettings{});
        ASSERT_TRUE(standard && observed);
        EXPECT_EQ((*observed)[kZuhr], (*standard)[kZuhr] + shift) << date.month << "-" << date.day;
    }
}

}  // namespace
}  // namespace orvanta
