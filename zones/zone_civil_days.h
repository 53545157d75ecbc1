// Proleptic Gregorian day counting for the zone rules: days since 1970-01-01 of a date, the
// year of a day count and the weekday of a day count. Any year that fits an int.
#pragma once

#include <cstdint>

namespace orvanta::zone_days {

// Floor division for a positive divisor.
constexpr std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

constexpr bool IsLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(std::int64_t year, int month) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// Days from 1970-01-01 to year-month-day (month 1 .. 12, day 1 .. 31), negative before it:
// 400-year eras of 146097 days, the year counted from March so the leap day ends it.
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
}

// The calendar year of the day that lies `days` days after 1970-01-01.
constexpr std::int64_t YearOfDays(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t marchMonth = (5 * dayOfYear + 2) / 153;  // 0 = March .. 11 = February
    return yearOfEra + era * 400 + (marchMonth >= 10 ? 1 : 0);
}

// 0 = Sunday .. 6 = Saturday; 1970-01-01 was a Thursday.
constexpr int WeekdayOfDays(std::int64_t days) {
    return static_cast<int>(FloorDiv(days + 4, 7) * -7 + days + 4);
}

}  // namespace orvanta::zone_days
