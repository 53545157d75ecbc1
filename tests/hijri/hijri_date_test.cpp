// The Umm al-Qura dates the timetables use: first days of Ramadan that Saudi Arabia observed,
// the offset, and Umm al-Qura's Isha switching to 120 minutes on the first and the last day
// of Ramadan 1448.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "astro/method_date_row.h"
#include "astro/method_presets.h"
#include "hijri/hijri_date.h"
#include "tests/astro/test_support.h"

namespace orvanta {
namespace {

namespace chr = std::chrono;

// Day index in the year and back, by the standard library's calendar.
int DayIndex(const CivilDate& date) {
    const chr::sys_days day = chr::year{date.year} / date.month / date.day;
    return static_cast<int>((day - chr::sys_days{chr::year{date.year} / 1 / 1}).count());
}

CivilDate DateOfIndex(int year, int index) {
    const chr::year_month_day ymd{chr::sys_days{chr::year{year} / 1 / 1} + chr::days{index}};
    return CivilDate{static_cast<std::int16_t>(year),
                     static_cast<std::int16_t>(unsigned{ymd.month()}),
                     static_cast<std::int16_t>(unsigned{ymd.day()})};
}

TEST(HijriDate, FirstDaysOfRamadanAsObservedInSaudiArabia) {
    // 1440: the Umm al-Qura Ramadan table for Makkah starts on 6 May 2019; 1444: Riyadh's second
    // day of Ramadan was 24 March 2023; 1445: Saudi Arabia began fasting on 11 March 2024.
    for (const CivilDate& date :
         {CivilDate{2019, 5, 6}, CivilDate{2023, 3, 23}, CivilDate{2024, 3, 11}}) {
        const auto first = HijriDateOf(date);
        ASSERT_TRUE(first.has_value());
        EXPECT_EQ(first->month, kRamadanMonth);
        EXPECT_EQ(first->day, 1);
        const auto days = RamadanDaysOf(date.year);
        ASSERT_TRUE(days.has_value());
        EXPECT_EQ((*days)[DayIndex(date) - 1], 0) << date.year;
        EXPECT_EQ((*days)[DayIndex(date)], 1) << date.year;
    }
}

TEST(HijriDate, OffsetMovesTheCalendarAndStaysInItsRange) {
    const auto shifted = HijriDateOf(CivilDate{2024, 3, 10}, 1);
    ASSERT_TRUE(shifted.has_value());
    EXPECT_EQ(shifted->year, 1445);
    EXPECT_EQ(shifted->month, kRamadanMonth);
    EXPECT_EQ(shifted->day, 1);
    EXPECT_FALSE(HijriDateOf(CivilDate{2024, 3, 10}, 3).has_value());
    EXPECT_FALSE(HijriDateOf(CivilDate{2024, 2, 30}).has_value());
    EXPECT_FALSE(RamadanDaysOf(2024, -3).has_value());
    const auto later = RamadanDaysOf(2024, -1);  // a day later in the civil calendar
    ASSERT_TRUE(later.has_value());
    EXPECT_EQ((*later)[DayIndex({2024, 3, 11})], 0);
    EXPECT_EQ((*later)[DayIndex({2024, 3, 12})], 1);
}

TEST(HijriDate, UmmAlQuraIshaSwitchesOnTheFirstAndLastDayOfRamadan1448) {
    const auto ramadan = RamadanDaysOf(2027);
    ASSERT_TRUE(ramadan.has_value());
    int first = -1;
    int last = -1;
    for (int i = 0; i < kDaysInTable; ++i) {
        if ((*ramadan)[i] != 0) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    ASSERT_GT(first, 0);
    // The Hijri dates of the marked days: 1 and 29 or 30 Ramadan 1448.
    const auto civil = [](int index) { return DateOfIndex(2027, index); };
    const auto firstHijri = HijriDateOf(civil(first));
    const auto lastHijri = HijriDateOf(civil(last));
    ASSERT_TRUE(firstHijri && lastHijri);
    EXPECT_EQ(firstHijri->year, 1448);
    EXPECT_EQ(firstHijri->day, 1);
    EXPECT_EQ(lastHijri->month, kRamadanMonth);
    EXPECT_GE(lastHijri->day, 29);

    const CityLocation makkah = testing::Place(21.4225, 39.8262, 3.0);
    const DaylightShiftTable none{};
    const PrayerMethod& method = FindMethodPreset("umm-al-qura")->method;
    for (const auto& [index, minutes] : std::vector<std::pair<int, double>>{
             {first - 1, 90.0}, {first, 120.0}, {last, 120.0}, {last + 1, 90.0}}) {
        const auto row = ComputeMethodDateRow(civil(index), makkah, method, &none, &*ramadan);
        ASSERT_TRUE(row.has_value());
        EXPECT_NEAR(((*row)[5] - (*row)[4]) * 60.0, minutes, 1e-3) << index;
    }
}

}  // namespace
}  // namespace orvanta
