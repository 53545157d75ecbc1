// The leap-year flag, the fixed daylight-saving window and the day index, checked against the
// standard library's independent calendar.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "astro/calendar.h"
#include "astro/daylight_shift.h"

namespace orvanta {
namespace {

namespace chr = std::chrono;

// Day of the year counted from 1.
int DayOfYear(const chr::sys_days& day, int year) {
    const chr::sys_days newYear = chr::year{year} / chr::January / 1;
    return static_cast<int>((day - newYear).count()) + 1;
}

TEST(YearCalendar, WorkedWindows) {
    struct Row {
        std::int16_t year;
        std::int16_t leap;
        std::int16_t firstDay;
        std::int16_t lastDay;
    };
    const std::vector<Row> rows = {
        {2000, 1, 93, 302},  // Sunday 2 April .. Saturday 28 October
        {2001, 0, 91, 300},  // 1 April is itself a Sunday
        {2002, 0, 97, 299},
        {2004, 1, 95, 304},  // 31 October is a Sunday: the window ends on Saturday 30 October
        {2024, 1, 98, 300},
    };
    for (const Row& row : rows) {
        const YearCalendar calendar = ComputeYearCalendar(row.year, 1);
        EXPECT_EQ(calendar.leapYear, row.leap) << row.year;
        EXPECT_EQ(calendar.dstWindow.firstDay, row.firstDay) << row.year;
        EXPECT_EQ(calendar.dstWindow.lastDay, row.lastDay) << row.year;
    }
}

TEST(YearCalendar, EveryYearMatchesTheFirstSundayOfAprilAndTheLastSundayOfOctober) {
    for (int y = 1; y <= 9999; ++y) {
        const YearCalendar calendar = ComputeYearCalendar(static_cast<std::int16_t>(y), 1);
        const chr::sys_days firstSunday =
            chr::year_month_weekday{chr::year{y}, chr::April, chr::Sunday[1]};
        const chr::sys_days lastSunday = chr::year_month_weekday_last{
            chr::year{y}, chr::October, chr::weekday_last{chr::Sunday}};
        ASSERT_EQ(calendar.leapYear, chr::year{y}.is_leap() ? 1 : 0) << y;
        ASSERT_EQ(calendar.dstWindow.firstDay, DayOfYear(firstSunday, y)) << y;
        ASSERT_EQ(calendar.dstWindow.lastDay, DayOfYear(lastSunday, y) - 1) << y;
    }
}

TEST(YearCalendar, ZoneWithoutDaylightSavingHasNoWindow) {
    const YearCalendar calendar = ComputeYearCalendar(2024, 0);
    EXPECT_EQ(calendar.leapYear, 1);
    EXPECT_EQ(calendar.dstWindow.firstDay, 367);
    EXPECT_EQ(calendar.dstWindow.lastDay, 0);
    for (double shift : DaylightShiftFromWindow(calendar.dstWindow)) {
        ASSERT_EQ(shift, 0.0);
    }
}

TEST(DayIndexOfDate, MatchesTheDayOfTheYearForEveryDateOfSampleYears) {
    for (const int y : {1900, 2000, 2001, 2023, 2024, 2100}) {
        const std::int16_t leap = ComputeYearCalendar(static_cast<std::int16_t>(y), 0).leapYear;
        for (chr::sys_days day = chr::year{y} / chr::January / 1;
             day <= chr::sys_days{chr::year{y} / chr::December / 31}; day += chr::days{1}) {
            const chr::year_month_day ymd{day};
            const int month = static_cast<int>(unsigned{ymd.month()});
            const int dayOfMonth = static_cast<int>(unsigned{ymd.day()});
            const auto index = DayIndexOfDate(leap, month, dayOfMonth);
            ASSERT_TRUE(index.has_value());
            ASSERT_EQ(*index, DayOfYear(day, y) - 1) << y << "-" << month << "-" << dayOfMonth;
        }
    }
}

TEST(DayIndexOfDate, RefusesMonthsAndDaysThatWouldIndexOutsideTheTable) {
    EXPECT_FALSE(DayIndexOfDate(0, 0, 1).has_value());
    EXPECT_FALSE(DayIndexOfDate(0, 13, 1).has_value());
    EXPECT_FALSE(DayIndexOfDate(1, 12, 32).has_value());
    EXPECT_FALSE(DayIndexOfDate(0, 1, 0).has_value());
}

}  // namespace
}  // namespace orvanta
