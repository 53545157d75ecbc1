#include "astro/calendar.h"

#include "astro/civil_days.h"

namespace orvanta {

YearCalendar ComputeYearCalendar(std::int16_t year, std::int16_t observesDst) {
    const int leap = civil::IsLeapYear(year) ? 1 : 0;
    YearCalendar calendar;
    calendar.leapYear = static_cast<std::int16_t>(leap);
    if (observesDst == 0) {
        calendar.dstWindow = DstWindow{367, 0};
        return calendar;
    }
    // Day d of the year (from 1) falls on weekday (w + d - 2) mod 7, Sunday = 0: w is the
    // weekday of 1 January plus one.
    const int w = (civil::WeekdayOfDays(civil::DaysFromCivil(year, 1, 1)) + 1) % 7;  // 0 .. 6

    // First Sunday on or after 1 April (day 91 + L): 91 + L .. 97 + L.
    int firstDay = 93 + leap - ((w + 91 + leap) % 7);
    if (firstDay < 91 + leap) {
        firstDay += 7;
    }
    // Last Sunday on or before 31 October (day 304 + L): 298 + L .. 304 + L.
    int lastSunday = 306 + leap - ((w + 304 + leap) % 7);
    if (lastSunday > 304 + leap) {
        lastSunday -= 7;
    }
    calendar.dstWindow =
        DstWindow{static_cast<std::int16_t>(firstDay), static_cast<std::int16_t>(lastSunday - 1)};
    return calendar;
}

std::optional<std::int16_t> DayIndexOfDate(std::int16_t leapYear, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    const int leapDay = month >= 3 ? leapYear : 0;
    return static_cast<std::int16_t>((day - 1) + kDaysBeforeMonth[month - 1] + leapDay);
}

}  // namespace orvanta
