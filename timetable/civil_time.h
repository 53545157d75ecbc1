// Civil-date arithmetic and the local date-times of the slot values of a day row.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "astro/civil_days.h"
#include "astro/date_row.h"

namespace orvanta {

// Floor division for a positive divisor (FloorDiv(-1, 1440) = -1), from the civil-date unit.
using civil::FloorDiv;

// Days from 1970-01-01 to the date, negative before it (proleptic Gregorian; any year that
// fits the record, also 0 and 10000, which a time past midnight can reach).
constexpr std::int64_t DaysFromCivil(const CivilDate& date) {
    return civil::DaysFromCivil(date.year, date.month, date.day);
}

// The date that lies the given number of days after 1970-01-01 (a year that fits the record).
constexpr CivilDate CivilFromDays(std::int64_t days) {
    const civil::YearMonthDay date = civil::CivilFromDays(days);
    return CivilDate{static_cast<std::int16_t>(date.year), static_cast<std::int16_t>(date.month),
                     static_cast<std::int16_t>(date.day)};
}

// "YYYY-MM-DD".
std::string IsoDate(const CivilDate& date);

// True when the date is a Friday, whose Zuhr is the Friday prayer, Jumu'ah.
constexpr bool IsFridayDate(const CivilDate& date) {
    constexpr int kFriday = 5;  // civil::WeekdayOfDays: 0 = Sunday
    return civil::WeekdayOfDays(DaysFromCivil(date)) == kFriday;
}

// Given a slot value in hours after the date's midnight, returns the whole minutes after that
// midnight, rounded as the time text rounds them (h * 60 + trunc((v - h) * 60 + 0.5) with
// h = floor(v)), so that every format shows the same minute; negative or 1440 and above for a
// time on the day before or after. Nothing for a value the time text cannot show (no event,
// outside -24 .. 48 hours, not finite).
std::optional<std::int64_t> SlotMinutes(double hours);

// Given an offset from Universal Time in hours, EAST positive, returns "+hh:mm" or "-hh:mm"
// (the minutes rounded to the nearest; 5.75 gives "+05:45", -3.5 gives "-03:30").
std::string OffsetText(double offsetHours);

// Given a date and a number of minutes after its midnight (any sign), returns the local date
// and time "YYYY-MM-DDThh:mm:00" of that moment on the same clock, the date moved when the
// minutes leave the day (-30 gives 23:30 of the day before, 1470 gives 00:30 of the day after).
std::string IsoLocalDateTime(const CivilDate& date, std::int64_t minutesAfterMidnight);

}  // namespace orvanta
