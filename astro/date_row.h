// The six times of one civil date, computed the way the daily command computes them.
#pragma once

#include <cstdint>
#include <optional>

#include "astro/calculation_inputs.h"
#include "astro/day_table.h"

namespace orvanta {

// A proleptic Gregorian date.
struct CivilDate {
    std::int16_t year = 0;   // 1 .. 9999
    std::int16_t month = 0;  // 1 .. 12
    std::int16_t day = 0;    // 1 .. length of the month
};

// True when the date exists in the proleptic Gregorian calendar and its year is 1 .. 9999.
bool IsValidCivilDate(const CivilDate& date);

// Given a valid date, the city, the settings and optionally the daylight-saving shifts of the
// city's real zone rules for the date's year, returns the date's day row: the year's elements,
// the year's calendar, the date's day index and a one-day ComputeDayTable(index, index + 1)
// whose seeds come from the day before. Without real shifts, the fixed window applies when the
// city observes daylight saving. Returns nothing for an invalid date.
std::optional<DayRow> ComputeDateRow(const CivilDate& date, const CityLocation& city,
                                     const PrayerSettings& settings,
                                     const DaylightShiftTable* realShifts = nullptr);

}  // namespace orvanta
