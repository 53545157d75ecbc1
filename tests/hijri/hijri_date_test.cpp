// The Umm al-Qura dates the timetables use: first days of Ramadan that Saudi Arabia observed,
// the offset, and Umm al-Qura's Isha switching to 120 minutes on the first and the last day
// of Ramadan 1448.
#include <gtest/gtest.h>

#include <vector>

#include "astro/angles.h"
#include "astro/method_date_row.h"
#include "astro/method_presets.h"
#include "hijri/hijri_date.h"

namespace orvanta {
namespace {

int DayIndex(const CivilDate& date) {
    constexpr std::array<int, 12> kBefore = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = date.year % 4 == 0 && (date.year % 100 != 0 || date.year % 400 == 0);
    return kBefore[date.month - 1] + date.day - 1 + (leap && date.month > 2 ? 1 : 0);
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
    const auto civil = [](int index) {
        return CivilDate{2027, static_cast<std::int16_t>(index < 59 ? (index < 31 ? 1 : 2) : 3),
                         static_cast<std::int16_t>(index < 31   ? index + 1
                                                   : index < 59 ? index - 30
                                                                : index - 58)};
    };
    const auto firstHijri = HijriDateOf(civil(first));
    const auto lastHijri = HijriDateOf(civil(last));
    ASSERT_TRUE(firstHijri && lastHijri);
    EXPECT_EQ(firstHijri->year, 1448);
    EXPECT_EQ(firstHijri->day, 1);
    EXPECT_EQ(lastHijri->month, kRamadanMonth);
    EXPECT_GE(lastHijri->day, 29);

    CityLocation makkah;
    makkah.latitudeRad = DegreesToRadians(21.4225);
    makkah.longitudeRad = -DegreesToRadians(39.8262);
    makkah.zoneHours = 3.0;
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
