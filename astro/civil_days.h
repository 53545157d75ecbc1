// Proleptic Gregorian day counting, the one unit the whole program uses: days since
// 1970-01-01 of a date and back, leap years, month lengths and weekdays. All constexpr, for
// any year and day count within +-2^40 (far beyond any instant a 64-bit second count holds).
//
// DaysFromCivil and CivilFromDays follow the days_from_civil / civil_from_days algorithms
// published by Howard Hinnant ("chrono-Compatible Low-Level Date Algorithms", 2013): the
// calendar is cut into 400-year eras of 146097 days each, and every year is counted from
// 1 March so that the leap day, when there is one, is the last day of its year. Each integer
// step states the range of its value.
#pragma once

#include <cstdint>

namespace orvanta::civil {

// Given a value (any) and a divisor (> 0), returns the quotient rounded toward minus infinity:
// FloorDiv(-1, 1440) = -1, FloorDiv(1439, 1440) = 0.
constexpr std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;  // rounded toward zero
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// Given a year (any), returns true when it has 366 days (29 February).
constexpr bool IsLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Given a year (any) and a month (1 .. 12), returns the month's length: 28 .. 31.
constexpr int DaysInMonth(std::int64_t year, int month) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// A date of the proleptic Gregorian calendar with a wide year.
struct YearMonthDay {
    std::int64_t year = 0;  // any; year 0 is 1 BC
    int month = 0;          // 1 .. 12
    int day = 0;            // 1 .. DaysInMonth(year, month)
};

// Given a year (any), a month (1 .. 12) and a day (1 .. 31), returns the days from 1970-01-01
// to that date, negative before it (a day past the month's end counts on into the next one).
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);  // the year counted from March
    const std::int64_t era = FloorDiv(y, 400);           // any
    const std::int64_t yearOfEra = y - era * 400;        // [0, 399]
    const std::int64_t marchMonth = month > 2 ? month - 3 : month + 9;    // [0, 11]
    const std::int64_t dayOfYear = (153 * marchMonth + 2) / 5 + day - 1;  // [0, 365]
    const std::int64_t dayOfEra =                                         // [0, 146096]
        yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;  // 719468 days from 0000-03-01 to 1970-01-01
}

// Given a day count from 1970-01-01 (any, negative before it), returns the date of that day.
constexpr YearMonthDay CivilFromDays(std::int64_t days) {
    const std::int64_t z = days + 719468;            // days since 0000-03-01
    const std::int64_t era = FloorDiv(z, 146097);    // any
    const std::int64_t dayOfEra = z - era * 146097;  // [0, 146096]
    const std::int64_t yearOfEra =                   // [0, 399]
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear =  // [0, 365], 0 = 1 March
        dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t marchMonth = (5 * dayOfYear + 2) / 153;  // [0, 11], 0 = March
    const int day = static_cast<int>(dayOfYear - (153 * marchMonth + 2) / 5 + 1);  // [1, 31]
    const int month =
        static_cast<int>(marchMonth < 10 ? marchMonth + 3 : marchMonth - 9);  // [1, 12]
    return YearMonthDay{yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Given a day count from 1970-01-01 (any), returns the calendar year of that day.
constexpr std::int64_t YearOfDays(std::int64_t days) {
    return CivilFromDays(days).year;
}

// Given a day count from 1970-01-01 (any), returns its weekday: [0, 6], 0 = Sunday.
// 1970-01-01 was a Thursday (4).
constexpr int WeekdayOfDays(std::int64_t days) {
    return static_cast<int>(days + 4 - FloorDiv(days + 4, 7) * 7);
}

static_assert(DaysFromCivil(1970, 1, 1) == 0 && DaysFromCivil(2000, 3, 1) == 11017);
static_assert(DaysFromCivil(1, 1, 1) == -719162 && DaysFromCivil(9999, 12, 31) == 2932896);
static_assert(CivilFromDays(-1).year == 1969 && CivilFromDays(-1).month == 12);
static_assert(WeekdayOfDays(0) == 4 && WeekdayOfDays(-1) == 3 && WeekdayOfDays(3) == 0);

}  // namespace orvanta::civil
