// The day table: times against an independent solar calculation, both Fajr/Isha methods, the
// daylight-saving pass, fallbacks where an event does not happen and the mended cases (zones
// far ahead of their longitude, depression angles beyond 90 degrees, huge intervals).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "astro/day_table_rules.h"
#include "astro/time_text.h"
#include "test_support.h"

namespace orvanta {
namespace {

using testing::Near;
using testing::Place;

constexpr int kFajr = SlotIndex(PrayerSlot::Fajr);
constexpr int kShuruq = SlotIndex(PrayerSlot::Shuruq);
constexpr int kZuhr = SlotIndex(PrayerSlot::Zuhr);
constexpr int kMaghrib = SlotIndex(PrayerSlot::Maghrib);
constexpr int kIsha = SlotIndex(PrayerSlot::Isha);
const DaylightShiftTable kNoShifts{};

PrayerSettings Settings(std::int16_t method, double number, double shadowFactor = 1.0) {
    PrayerSettings settings;
    settings.method = method;
    (method == 0 ? settings.depressionDegrees : settings.intervalMinutes) = number;
    settings.asrShadowFactor = shadowFactor;
    return settings;
}

DayTable YearTable(const CityLocation& city, const PrayerSettings& settings,
                   const DaylightShiftTable& shifts = kNoShifts) {
    DayTable table;
    EXPECT_TRUE(
        ComputeDayTable(table, 0, kDaysInTable, ComputeYearElements(2024), city, settings, shifts));
    return table;
}

bool IsNoEvent(float value) {
    return static_cast<double>(value) > 360.0;
}

// Expected hours from the published NOAA solar equations (Meeus), computed separately with
// the sun's centre 90.833 deg from the zenith at sunrise and sunset, 108 deg for the twilight.
// Agreement to 15 s also checks the day table's own constants (its horizon angle, the seeds).
TEST(ComputeDayTable, TimesAgreeWithAnIndependentSolarCalculation) {
    struct Row {
        const char* name;
        CityLocation city;
        int dayIndex;
        PrayerSettings settings;
        std::array<double, 6> hours;
    };
    const std::vector<Row> rows = {
        {"40N 75W 1 January",
         Place(40.0, -75.0, -5.0),
         0,
         PrayerSettings{},
         {5.7426, 7.3640, 12.0572, 14.4537, 16.7526, 18.3741}},
        {"40N 75W 20 June",
         Place(40.0, -75.0, -5.0),
         171,
         PrayerSettings{},
         {2.4638, 4.5208, 12.0292, 16.0085, 19.5377, 21.5947}},
        {"Mecca 1 January",
         Place(21.0 + 25.0 / 60.0, 39.0 + 49.0 / 60.0, 3.0),
         0,
         PrayerSettings{},
         {5.6528, 6.9731, 12.4002, 15.4783, 17.8284, 19.1485}},
        // Hanafi Asr (shadow factor 2) and the 90-minute interval around sunrise and sunset.
        {"Mecca 20 March 2024, Hanafi, interval",
         Place(21.0 + 25.0 / 60.0, 39.0 + 49.0 / 60.0, 3.0),
         79,
         Settings(1, 90.0, 2.0),
         {4.9090, 6.4090, 12.4676, 16.8379, 18.5314, 20.0314}},
        // Any stored method other than 0 is the interval, as the settings file may hold it.
        {"Mecca 20 March 2024, stored method 5",
         Place(21.0 + 25.0 / 60.0, 39.0 + 49.0 / 60.0, 3.0),
         79,
         Settings(5, 90.0, 2.0),
         {4.9090, 6.4090, 12.4676, 16.8379, 18.5314, 20.0314}},
    };
    const char* slots[] = {"Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha"};
    for (const Row& row : rows) {
        const DayTable table = YearTable(row.city, row.settings);
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_TRUE(Near(std::string(row.name) + " " + slots[s], row.hours[s],
                             table.rows[row.dayIndex][s], 0.004));
        }
    }
}

// 24 - 2e-7 is below 24 in double precision but rounds to 24.0 when stored: not a seed.
TEST(DayTableRules, AValueStoredAs24IsNoSeed) {
    const double almost24 = 24.0 - 2e-7;
    EXPECT_EQ(NextSeed(ToSlot(almost24), almost24, 21.0), 21.0);
    EXPECT_EQ(NextSeed(ToSlot(6.123456789012345), 6.123456789012345, 5.0), 6.123456789012345);
}

TEST(ComputeDayTable, OutOfRangeRequestsAndDatesThatDoNotExistAreRefused) {
    const YearElements el = ComputeYearElements(2024);
    const CityLocation city = Place(40.0, -75.0, -5.0);
    DayTable table;
    table.rows[10].fill(-7.0f);
    EXPECT_TRUE(ComputeDayTable(table, 10, 10, el, city, PrayerSettings{}, kNoShifts));
    EXPECT_FALSE(ComputeDayTable(table, -1, 11, el, city, PrayerSettings{}, kNoShifts));
    EXPECT_FALSE(ComputeDayTable(table, 10, 367, el, city, PrayerSettings{}, kNoShifts));
    EXPECT_EQ(table.rows[10][kZuhr], -7.0f);
    for (const CivilDate date : {CivilDate{2023, 2, 29}, CivilDate{1900, 2, 29},
                                 CivilDate{2024, 13, 1}, CivilDate{2024, 4, 31}, CivilDate{0, 1, 1},
                                 CivilDate{10000, 1, 1}, CivilDate{2024, 1, 0}}) {
        EXPECT_FALSE(ComputeDateRow(date, city, PrayerSettings{}))
            << date.year << "-" << date.month << "-" << date.day;
    }
    for (const CivilDate date : {CivilDate{2024, 2, 29}, CivilDate{2000, 2, 29},
                                 CivilDate{9999, 12, 31}, CivilDate{1, 1, 1}}) {
        EXPECT_TRUE(ComputeDateRow(date, city, PrayerSettings{})) << date.year;
    }
}

TEST(ComputeDayTable, OneDayCallAgreesWithTheYearWithinSeconds) {
    const CityLocation city = Place(42.0 + 20.0 / 60.0, -83.05, -5.0);
    const DayTable year = YearTable(city, PrayerSettings{});
    for (const int day : {0, 59, 171, 365}) {
        const auto index = static_cast<std::int16_t>(day);
        DayTable one;
        ASSERT_TRUE(ComputeDayTable(one, index, static_cast<std::int16_t>(index + 1),
                                    ComputeYearElements(2024), city, PrayerSettings{}, kNoShifts));
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_TRUE(Near("day " + std::to_string(index), year.rows[index][s],
                             one.rows[index][s], 2e-3));
        }
    }
}

// Any amount on any day: whole, half-hour, negative, wrapping the year end; no-event slots too.
TEST(ComputeDayTable, DaylightShiftsAreAddedToEverySlotOfTheirDay) {
    const CityLocation arctic = Place(70.0, -75.0, -5.0);
    DaylightShiftTable shifts{};
    shifts[0] = 1.0;
    shifts[171] = 0.5;
    shifts[172] = -1.0;
    const DayTable plain = YearTable(arctic, PrayerSettings{});
    const DayTable shifted = YearTable(arctic, PrayerSettings{}, shifts);
    for (const int i : {0, 1, 171, 172}) {
        for (int s = 0; s < kPrayerCount; ++s) {
            ASSERT_EQ(shifted.rows[i][s],
                      static_cast<float>(static_cast<double>(plain.rows[i][s]) + shifts[i]));
        }
    }
    ASSERT_TRUE(IsNoEvent(plain.rows[171][kShuruq]));
    EXPECT_EQ(shifted.rows[171][kShuruq], 10'000'000.5f);
}

TEST(ComputeDayTable, MidnightSunFallsBackInBothMethods) {
    const CityLocation arctic = Place(70.0, 25.0, 1.0);
    const DayTable depression = YearTable(arctic, PrayerSettings{});
    const DayTable interval = YearTable(arctic, Settings(1, 90.0));
    const int june20 = 171;
    for (const DayTable* table : {&depression, &interval}) {
        EXPECT_TRUE(IsNoEvent(table->rows[june20][kShuruq]));
        EXPECT_TRUE(IsNoEvent(table->rows[june20][kMaghrib]));
        EXPECT_FALSE(IsNoEvent(table->rows[june20][kZuhr]));
    }
    EXPECT_TRUE(IsNoEvent(depression.rows[june20][kFajr]));
    EXPECT_TRUE(IsNoEvent(depression.rows[june20][kIsha]));
    // Without sunrise and sunset the interval counts from the fallbacks 5.0 and 21.0.
    EXPECT_EQ(interval.rows[june20][kFajr], 3.5f);
    EXPECT_EQ(interval.rows[june20][kIsha], 22.5f);
}

TEST(ComputeDayTable, IntervalIsNotWrappedAcrossMidnight) {
    // Zones far from their longitude: sunrise just after midnight, or sunset just before it.
    const DayRow early = YearTable(Place(0.0, 82.5, 0.0), Settings(1, 90.0)).rows[100];
    ASSERT_LT(early[kShuruq], 1.5f);
    EXPECT_TRUE(Near("Fajr", static_cast<double>(early[kShuruq]) - 1.5, early[kFajr], 1e-6));
    const DayRow late = YearTable(Place(0.0, -82.5, 0.0), Settings(1, 90.0)).rows[100];
    ASSERT_GT(late[kMaghrib], 22.5f);
    EXPECT_TRUE(Near("Isha", static_cast<double>(late[kMaghrib]) + 1.5, late[kIsha], 1e-6));
}

TEST(ComputeDayTable, UnreachableDepressionsAndHugeIntervalsShowNoTime) {
    const CityLocation city = Place(40.0, -75.0, -5.0);
    const DayTable normal = YearTable(city, PrayerSettings{});
    for (const double depression : {120.0, std::numeric_limits<double>::quiet_NaN()}) {
        const DayTable table = YearTable(city, Settings(0, depression));
        for (int i = 0; i < kDaysInTable; ++i) {
            ASSERT_TRUE(IsNoEvent(table.rows[i][kFajr]) && IsNoEvent(table.rows[i][kIsha])) << i;
            ASSERT_EQ(table.rows[i][kShuruq], normal.rows[i][kShuruq]) << i;
        }
    }
    const DayTable huge = YearTable(city, Settings(1, 4294967295.0));
    EXPECT_EQ(FormatPrayerTime(huge.rows[0][kFajr]), kCantDetermineText);
    EXPECT_EQ(FormatPrayerTime(huge.rows[0][kIsha]), kCantDetermineText);
    EXPECT_EQ(YearTable(city, Settings(1, 1e300)).rows[0][kFajr],
              -std::numeric_limits<float>::infinity());
}

// Apia, 13.83 S 171.76 W at +13: its 15 January is 14 January at -11 on the same meridian, so
// the clocks must agree to the minute although sunrise comes out near 30.2 h.
TEST(ComputeDateRow, ZoneThirteenHoursAheadMatchesTheSameMeridianAcrossTheDateLine) {
    const auto minuteOfDay = [](float hours) {
        return static_cast<int>(std::lround(static_cast<double>(hours) * 60.0)) % 1440;
    };
    for (const PrayerSettings& settings : {PrayerSettings{}, Settings(1, 90.0)}) {
        const auto ahead = ComputeDateRow({2026, 1, 15}, Place(-13.83, -171.76, 13.0), settings);
        const auto behind = ComputeDateRow({2026, 1, 14}, Place(-13.83, -171.76, -11.0), settings);
        ASSERT_TRUE(ahead && behind);
        EXPECT_GT((*ahead)[kShuruq], 24.0f);
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_LE(std::abs(minuteOfDay((*ahead)[s]) - minuteOfDay((*behind)[s])), 1)
                << "method " << settings.method << " slot " << s;
        }
    }
}

// The fixed window (first Sunday of April to the Saturday before the last Sunday of October)
// applies only to zones observing daylight saving. 2024: 7 April .. 26 October.
TEST(ComputeDateRow, FixedWindowAppliesOnlyToZonesObservingDaylightSaving) {
    CityLocation city = Place(40.0, -75.0, -5.0);
    for (const auto& [date, shifted] :
         std::vector<std::pair<CivilDate, bool>>{{{2024, 4, 6}, false},
                                                 {{2024, 4, 7}, true},
                                                 {{2024, 10, 26}, true},
                                                 {{2024, 10, 27}, false}}) {
        city.supportsDst = 0;
        const auto standard = ComputeDateRow(date, city, PrayerSettings{});
        city.supportsDst = 1;
        const auto observed = ComputeDateRow(date, city, PrayerSettings{});
        ASSERT_TRUE(standard && observed);
        EXPECT_EQ((*observed)[kZuhr],
                  static_cast<float>(static_cast<double>((*standard)[kZuhr]) + (shifted ? 1 : 0)))
            << date.month << "-" << date.day;
    }
}

}  // namespace
}  // namespace orvanta
