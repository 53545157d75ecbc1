// The day table: seeds and fallbacks, both Fajr/Isha methods, the daylight-saving pass and the
// mended cases (zones far ahead of their longitude, depression angles beyond 90 degrees).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "astro/day_table_rules.h"
#include "astro/daylight_shift.h"
#include "astro/solar_position.h"
#include "astro/time_text.h"
#include "test_support.h"

namespace orvanta {
namespace {

using testing::Near;

constexpr int kFajr = SlotIndex(PrayerSlot::Fajr);
constexpr int kShuruq = SlotIndex(PrayerSlot::Shuruq);
constexpr int kZuhr = SlotIndex(PrayerSlot::Zuhr);
constexpr int kAsr = SlotIndex(PrayerSlot::Asr);
constexpr int kMaghrib = SlotIndex(PrayerSlot::Maghrib);
constexpr int kIsha = SlotIndex(PrayerSlot::Isha);

constexpr double kRadToDeg = 57.29577951308232;
const DaylightShiftTable kNoShifts{};

// Latitude north positive and longitude EAST positive in degrees.
CityLocation Place(double latitudeDeg, double longitudeEastDeg, double zoneHours) {
    CityLocation city;
    city.latitudeRad = DegreesToRadians(latitudeDeg);
    city.longitudeRad = -DegreesToRadians(longitudeEastDeg);
    city.zoneHours = zoneHours;
    return city;
}

PrayerSettings IntervalSettings(double minutes) {
    PrayerSettings settings;
    settings.method = 1;
    settings.intervalMinutes = minutes;
    return settings;
}

DayTable YearTable(std::int16_t year, const CityLocation& city, const PrayerSettings& settings,
                   const DaylightShiftTable& shifts = kNoShifts) {
    DayTable table;
    EXPECT_TRUE(
        ComputeDayTable(table, 0, kDaysInTable, ComputeYearElements(year), city, settings, shifts));
    return table;
}

bool IsNoEvent(float value) {
    return static_cast<double>(value) > 360.0;
}

TEST(DayTableRules, SeedCarriesOnlyStoredValuesBelow24) {
    EXPECT_EQ(NextSeed(ToSlot(23.5), 23.5, 21.0), 23.5);
    // 24 - 2e-7 is below 24 in double precision but rounds to 24.0 when stored.
    const double almost24 = 24.0 - 2e-7;
    ASSERT_EQ(ToSlot(almost24), 24.0f);
    EXPECT_EQ(NextSeed(ToSlot(almost24), almost24, 21.0), 21.0);
    EXPECT_EQ(NextSeed(ToSlot(NO_EVENT_TIME), NO_EVENT_TIME, 5.0), 5.0);
    // The returned double is carried, not its rounded stored value.
    const double precise = 6.123456789012345;
    EXPECT_EQ(NextSeed(ToSlot(precise), precise, 5.0), precise);
}

TEST(DayTableRules, StoredValuesBeyondSinglePrecisionBecomeInfinities) {
    EXPECT_EQ(ToSlot(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ToSlot(-1e300), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(ToSlot(NO_EVENT_TIME + 1.0), 10'000'001.0f);
    EXPECT_TRUE(std::isnan(ToSlot(std::numeric_limits<double>::quiet_NaN())));
}

TEST(DayTableRules, AsrAngles) {
    struct Row {
        double shadowFactor;
        double noonZenithDeg;
        double expectedDeg;
    };
    for (const Row& row : std::vector<Row>{{1.0, 45.0, 63.43494882},
                                           {2.0, 45.0, 71.56505118},
                                           {1.0, 0.0, 45.0},
                                           {2.0, 0.0, 63.43494882}}) {
        EXPECT_TRUE(Near(
            "Asr angle", row.expectedDeg,
            AsrZenithDistance(row.shadowFactor, DegreesToRadians(row.noonZenithDeg)) * kRadToDeg,
            1e-8));
    }
}

TEST(ComputeDayTable, EmptyOrOutOfRangeRequestsWriteNothing) {
    const CityLocation city = Place(40.0, -75.0, -5.0);
    const YearElements el = ComputeYearElements(2024);
    DayTable table;
    table.rows[10].fill(-7.0f);
    EXPECT_TRUE(ComputeDayTable(table, 10, 10, el, city, PrayerSettings{}, kNoShifts));
    EXPECT_TRUE(ComputeDayTable(table, 11, 10, el, city, PrayerSettings{}, kNoShifts));
    EXPECT_FALSE(ComputeDayTable(table, -1, 11, el, city, PrayerSettings{}, kNoShifts));
    EXPECT_FALSE(ComputeDayTable(table, 10, 367, el, city, PrayerSettings{}, kNoShifts));
    for (float value : table.rows[10]) {
        EXPECT_EQ(value, -7.0f);
    }
}

TEST(ComputeDayTable, OneDayCallAgreesWithTheYearWithinSeconds) {
    // A one-day call seeds from the day before with the initial estimates; the year carries
    // yesterday's own times. The seed moves results only slightly.
    const CityLocation city = Place(42.0 + 20.0 / 60.0, -83.05, -5.0);
    const DayTable year = YearTable(2024, city, PrayerSettings{});
    for (const int dayIndex : {0, 59, 171, 300, 365}) {
        const auto index = static_cast<std::int16_t>(dayIndex);
        DayTable one;
        ASSERT_TRUE(ComputeDayTable(one, index, static_cast<std::int16_t>(index + 1),
                                    ComputeYearElements(2024), city, PrayerSettings{}, kNoShifts));
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_TRUE(Near("day " + std::to_string(index) + " slot " + std::to_string(s),
                             year.rows[index][s], one.rows[index][s], 2e-3));
        }
    }
}

TEST(ComputeDayTable, EventsOfADayAreInOrder) {
    const CityLocation city = Place(21.0 + 25.0 / 60.0, 39.0 + 49.0 / 60.0, 3.0);
    const DayTable table = YearTable(2024, city, PrayerSettings{});
    for (int i = 0; i < kDaysInTable; ++i) {
        const DayRow& row = table.rows[i];
        ASSERT_LT(row[kFajr], row[kShuruq]) << i;
        ASSERT_LT(row[kShuruq], row[kZuhr]) << i;
        ASSERT_LT(row[kZuhr], row[kAsr]) << i;
        ASSERT_LT(row[kAsr], row[kMaghrib]) << i;
        ASSERT_LT(row[kMaghrib], row[kIsha]) << i;
    }
}

TEST(ComputeDayTable, DaylightSavingPassShiftsExactlyTheWindow) {
    const CityLocation city = Place(40.0, -75.0, -5.0);
    const DayTable plain = YearTable(2001, city, PrayerSettings{});
    const DaylightShiftTable window =
        DaylightShiftFromWindow(ComputeYearCalendar(2001, 1).dstWindow);
    const DayTable shifted = YearTable(2001, city, PrayerSettings{}, window);
    for (int i = 0; i < 365; ++i) {
        const bool inWindow = i >= 90 && i <= 299;  // 1 April .. 27 October
        for (int s = 0; s < kPrayerCount; ++s) {
            const float expected =
                inWindow ? static_cast<float>(static_cast<double>(plain.rows[i][s]) + 1.0)
                         : plain.rows[i][s];
            ASSERT_EQ(shifted.rows[i][s], expected) << "row " << i << " slot " << s;
        }
    }
}

TEST(ComputeDayTable, ShiftsMayBeAnyAmountOnAnyDayAndReachNoEventSlots) {
    const CityLocation arctic = Place(70.0, -75.0, -5.0);
    DaylightShiftTable shifts{};
    shifts[171] = 0.5;   // half-hour daylight saving
    shifts[172] = -1.0;  // negative daylight saving
    shifts[0] = 1.0;     // a southern summer wrapping the year end
    const DayTable plain = YearTable(2024, arctic, PrayerSettings{});
    const DayTable shifted = YearTable(2024, arctic, PrayerSettings{}, shifts);
    for (const int i : {0, 171, 172}) {
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
    const DayTable depression = YearTable(2024, arctic, PrayerSettings{});
    const DayTable interval = YearTable(2024, arctic, IntervalSettings(90.0));
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

TEST(ComputeDayTable, FirstTwilightAfterWhiteNightsIsSeededWithTheFallback) {
    // At 55 N the sun stays above 18 deg below the horizon around midsummer; on the first day
    // with a Fajr again, its position must be taken at the fallback seed 1.0 h.
    const CityLocation city = Place(55.0, 12.0, 1.0);
    const YearElements el = ComputeYearElements(2024);
    const DayTable table = YearTable(2024, city, PrayerSettings{});
    const double twilight = DegreesToRadians(18.0 + 90.0);
    struct Event {
        int slot;
        double fallbackSeed;
        std::int16_t morning;
    };
    for (const Event& event : {Event{kFajr, 1.0, 1}, Event{kIsha, 23.0, 0}}) {
        int checked = 0;
        for (int i = 172; i < 260; ++i) {
            if (IsNoEvent(table.rows[i - 1][event.slot]) && !IsNoEvent(table.rows[i][event.slot])) {
                const auto day = static_cast<std::int16_t>(i + 1);
                EXPECT_EQ(table.rows[i][event.slot],
                          static_cast<float>(SolarEventTime(el, city, day, twilight,
                                                            event.fallbackSeed, event.morning)))
                    << "slot " << event.slot << " day index " << i;
                ++checked;
            }
        }
        EXPECT_EQ(checked, 1) << "slot " << event.slot;
    }
}

TEST(ComputeDayTable, IntervalIsNotWrappedAcrossMidnight) {
    // Zone far east of the longitude: sunrise close after midnight, sunset close before it.
    const CityLocation early = Place(0.0, 82.5, 0.0);
    const DayTable table = YearTable(2024, early, IntervalSettings(90.0));
    const DayRow& row = table.rows[100];
    ASSERT_LT(row[kShuruq], 1.5f);
    EXPECT_LT(row[kFajr], 0.0f);
    EXPECT_TRUE(Near("Fajr", static_cast<double>(row[kShuruq]) - 1.5, row[kFajr], 1e-6));
    const CityLocation late = Place(0.0, -82.5, 0.0);
    const DayTable lateTable = YearTable(2024, late, IntervalSettings(90.0));
    const DayRow& lateRow = lateTable.rows[100];
    ASSERT_GT(lateRow[kMaghrib], 22.5f);
    EXPECT_GT(lateRow[kIsha], 24.0f);
    EXPECT_TRUE(Near("Isha", static_cast<double>(lateRow[kMaghrib]) + 1.5, lateRow[kIsha], 1e-6));
}

TEST(ComputeDayTable, DepressionBeyondNinetyDegreesHasNoFajrOrIsha) {
    const CityLocation city = Place(40.0, -75.0, -5.0);
    PrayerSettings steep;
    steep.depressionDegrees = 120.0;
    const DayTable normal = YearTable(2024, city, PrayerSettings{});
    const DayTable table = YearTable(2024, city, steep);
    for (int i = 0; i < kDaysInTable; ++i) {
        ASSERT_TRUE(IsNoEvent(table.rows[i][kFajr])) << i;
        ASSERT_TRUE(IsNoEvent(table.rows[i][kIsha])) << i;
        for (const int s : {kShuruq, kZuhr, kAsr, kMaghrib}) {
            ASSERT_EQ(table.rows[i][s], normal.rows[i][s]) << i;
        }
    }
    PrayerSettings notANumber;
    notANumber.depressionDegrees = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(IsNoEvent(YearTable(2024, city, notANumber).rows[0][kFajr]));
}

TEST(ComputeDayTable, HugeIntervalStaysDefinedAndShowsNoTime) {
    const CityLocation city = Place(40.0, -75.0, -5.0);
    const DayTable table = YearTable(2024, city, IntervalSettings(4294967295.0));
    EXPECT_EQ(FormatPrayerTime(table.rows[0][kFajr]), kCantDetermineText);
    EXPECT_EQ(FormatPrayerTime(table.rows[0][kIsha]), kCantDetermineText);
    const DayTable infinite = YearTable(2024, city, IntervalSettings(1e300));
    EXPECT_EQ(infinite.rows[0][kFajr], -std::numeric_limits<float>::infinity());
}

// Minutes of the day shown by the time text, for comparing clock readings.
int ShownMinuteOfDay(double hours) {
    const std::string text = FormatPrayerTime(hours);
    const int hour = std::stoi(text.substr(0, 3));
    const int minute = std::stoi(text.substr(4, 2));
    const bool pm = text.substr(7, 2) == "PM";
    return ((pm && hour != 12) ? hour + 12 : hour) * 60 + minute;
}

int MinutesApart(int a, int b) {
    const int d = std::abs(a - b) % 1440;
    return std::min(d, 1440 - d);
}

TEST(ComputeDayTable, ZoneThirteenHoursAheadMatchesTheSameMeridianOnTheOtherSideOfTheDateLine) {
    // Apia, 13.83 S 171.76 W at +13: its 15 January is 14 January at -11 on the same meridian.
    // Sunrise there comes out near 30.2 h; in interval mode Fajr must still follow it.
    const CityLocation apia = Place(-13.83, -171.76, 13.0);
    const CityLocation sameMeridian = Place(-13.83, -171.76, -11.0);
    for (const PrayerSettings& settings : {PrayerSettings{}, IntervalSettings(90.0)}) {
        const auto ahead = ComputeDateRow(CivilDate{2026, 1, 15}, apia, settings);
        const auto behind = ComputeDateRow(CivilDate{2026, 1, 14}, sameMeridian, settings);
        ASSERT_TRUE(ahead && behind);
        EXPECT_GT((*ahead)[kShuruq], 24.0f);
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_LE(MinutesApart(ShownMinuteOfDay((*ahead)[s]), ShownMinuteOfDay((*behind)[s])),
                      1)
                << "method " << settings.method << " slot " << s << ": "
                << FormatPrayerTime((*ahead)[s]) << " vs " << FormatPrayerTime((*behind)[s]);
        }
        if (settings.method != 0) {
            EXPECT_EQ(MinutesApart(ShownMinuteOfDay((*ahead)[kShuruq]),
                                   ShownMinuteOfDay((*ahead)[kFajr])),
                      90);
        }
    }
}

TEST(ComputeDateRow, RefusesDatesThatDoNotExist) {
    const CityLocation city = Place(40.0, -75.0, -5.0);
    for (const CivilDate date :
         {CivilDate{2023, 2, 29}, CivilDate{2024, 13, 1}, CivilDate{2024, 4, 31},
          CivilDate{0, 1, 1}, CivilDate{10000, 1, 1}, CivilDate{2024, 1, 0}}) {
        EXPECT_FALSE(ComputeDateRow(date, city, PrayerSettings{}).has_value())
            << date.year << "-" << date.month << "-" << date.day;
    }
    EXPECT_TRUE(ComputeDateRow(CivilDate{2024, 2, 29}, city, PrayerSettings{}).has_value());
    EXPECT_TRUE(ComputeDateRow(CivilDate{9999, 12, 31}, city, PrayerSettings{}).has_value());
    EXPECT_TRUE(ComputeDateRow(CivilDate{1, 1, 1}, city, PrayerSettings{}).has_value());
}

TEST(ComputeDateRow, FixedWindowAppliesOnlyToZonesObservingDaylightSaving) {
    CityLocation city = Place(40.0, -75.0, -5.0);
    const auto standard = ComputeDateRow(CivilDate{2024, 7, 1}, city, PrayerSettings{});
    city.supportsDst = 1;
    const auto summer = ComputeDateRow(CivilDate{2024, 7, 1}, city, PrayerSettings{});
    const auto winter = ComputeDateRow(CivilDate{2024, 1, 15}, city, PrayerSettings{});
    ASSERT_TRUE(standard && summer && winter);
    EXPECT_EQ((*summer)[kZuhr], static_cast<float>(static_cast<double>((*standard)[kZuhr]) + 1.0));
    city.supportsDst = 0;
    EXPECT_EQ((*winter)[kZuhr],
              (*ComputeDateRow(CivilDate{2024, 1, 15}, city, PrayerSettings{}))[kZuhr]);
}

}  // namespace
}  // namespace orvanta
