// The leap-year flag, the fixed daylight-saving window and the day index, checked against the
// standard library's independent calendar.
#include <gtest/gtest.h>

#include <chrono>

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

// The window runs from the first Sunday of April to the Saturday before the last Sunday of
// October (2004: 4 April .. 30 October, as 31 October is a Sunday).
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
    // A zone without daylight saving has no window.
    const YearCalendar calendar = ComputeYearCalendar(2024, 0);
    EXPECT_EQ(calendar.leapYear, 1);
    for (double shift : DaylightShiftFromWindow(calendar.dstWindow)) {
        ASSERT_EQ(shift, 0.0);
    }
}

TEST(DayIndexOfDate, MatchesTheDayOfTheYearAndRefusesImpossibleMonthsAndDays) {
    for (const int y : {1900, 2000, 2023, 2024}) {
        const std::int16_t leap = ComputeYearCalendar(static_cast<std::int16_t>(y), 0).leapYear;
        for (chr::sys_days day = chr::year{y} / chr::January / 1;
             day <= chr::sys_days{chr::year{y} / chr::December / 31}; day += chr::days{1}) {
            const chr::year_month_day ymd{day};
            const int month = static_cast<int>(unsigned{ymd.month()});
            const int dayOfMonth = static_cast<int>(unsigned{ymd.day()});
            ASSERT_EQ(DayIndexOfDate(leap, month, dayOfMonth), DayOfYear(day, y) - 1)
                << y << "-" << month << "-" << dayOfMonth;
        }
    }
    for (const auto& [month, day] : {std::pair{0, 1}, {13, 1}, {12, 32}, {1, 0}}) {
        EXPECT_FALSE(DayIndexOfDate(0, month, day).has_value()) << month << "-" << day;
    }
}

}  // namespace
}  // namespace orvanta
