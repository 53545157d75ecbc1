// The six times of one civil date under an authority's method.
#pragma once

#include <optional>

#include "astro/date_row.h"
#include "astro/method_day_table.h"

namespace orvanta {

// Given a valid date, the city, a method, optionally the daylight-saving shifts of the city's
// real zone rules for the date's year and optionally the year's Ramadan days, returns the
// date's day row from a one-day ComputeMethodDayTable(index, index + 1) seeded from the day
// before, as ComputeDateRow does for the classic table. Without real shifts, the fixed window
// applies when the city observes daylight saving; without a Ramadan table, no day is in
// Ramadan. Returns nothing for an invalid date.
std::optional<DayRow> ComputeMethodDateRow(const CivilDate& date, const CityLocation& city,
                                           const PrayerMethod& method,
                                           const DaylightShiftTable* realShifts = nullptr,
                                           const RamadanTable* ramadan = nullptr);

}  // namespace orvanta
