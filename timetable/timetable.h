// The rows of a timetable: one day computed as the daily command computes it, or a range of
// days computed with the day table, one call per calendar year.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/calculation_inputs.h"
#include "astro/date_row.h"
#include "astro/day_table.h"

namespace orvanta {

// One day of a timetable.
struct DatedRow {
    CivilDate date;
    DayRow row;  // the day-table row: hours of the day's clock, not wrapped
    // Hours EAST of Universal Time of the clock that row's values are on: the city's zoneHours
    // plus that day's daylight-saving shift.
    double utcOffsetHours = 0.0;
};

// Ten years: longer ranges are refused, which keeps the output bounded.
inline constexpr std::int64_t kMaxRangeDays = 3653;

// Given a valid date, returns its row exactly as the daily command computes it: a one-day
// ComputeDayTable call seeded from the day before, with the year's daylight-saving shifts of
// the city's zone (DaylightShiftsForCity). Nothing when the zone's rules cannot be read.
std::optional<DatedRow> ComputeOneDay(const CivilDate& date, const CityLocation& city,
                                      const PrayerSettings& settings);

// Given valid dates first <= last, returns one row per day from first to last, both included.
// Each calendar year of the range is one ComputeDayTable call over the range's days of that
// year, with that year's elements and daylight-saving shifts, so each day is seeded by the day
// before; at 1 January the seeds start afresh from 31 December. Nothing when a year's zone
// rules cannot be read.
std::optional<std::vector<DatedRow>> ComputeDateRange(const CivilDate& first, const CivilDate& last,
                                                      const CityLocation& city,
                                                      const PrayerSettings& settings);

}  // namespace orvanta
