// Calendar rules of the proleptic Gregorian calendar: the leap-year flag, the day index of a
// date within its year, and the year's fixed daylight-saving window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace orvanta {

// The run of days on which clocks are one hour ahead under the fixed rule: from the first
// Sunday of April to the Saturday before the last Sunday of October, both included. Days are
// counted from 1 (1 = 1 January).
struct DstWindow {
    std::int16_t firstDay = 0;  // 91 + L .. 97 + L; 367 when the zone observes none
    std::int16_t lastDay = 0;   // 297 + L .. 303 + L; 0 when the zone observes none
};

// The calendar facts of one year that the day table needs.
struct YearCalendar {
    std::int16_t leapYear = 0;  // 1 for a leap year, else 0
    DstWindow dstWindow;
};

// Days in the months of a common year before month m, indexed by m - 1 (0 .. 334).
inline constexpr std::array<std::int16_t, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                                  181, 212, 243, 273, 304, 334};

// Given a calendar year (1 .. 9999) and whether the zone observes daylight saving (nonzero
// for yes), returns the leap-year flag and the fixed daylight-saving window. Without daylight
// saving the window is {367, 0}; the leap-year flag is computed either way.
YearCalendar ComputeYearCalendar(std::int16_t year, std::int16_t observesDst);

// Given the leap-year flag of the date's year (0 or 1), a month (1 .. 12) and a day of the
// month (1 .. 31), returns the 0-based day index of the date in its year:
// (day - 1) + DaysBeforeMonth[month - 1] + (leapYear if month >= 3), so 0 .. 365.
// The day is not checked against the month's length (31 February gives the index of 3 March).
// Returns nothing for a month outside 1 .. 12 or a day outside 1 .. 31.
std::optional<std::int16_t> DayIndexOfDate(std::int16_t leapYear, int month, int day);

}  // namespace orvanta
