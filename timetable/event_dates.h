// The local date and time of each event of a timetable day, dated by its place in that day.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "astro/day_table.h"

namespace orvanta {

// Given a day's row (hours after the date's local midnight, each on its own clock), returns for
// each slot the minutes after that midnight at which the event falls, dated by its place in
// the day: Zuhr by its own value; Fajr and Shuruq at the latest moment with their clock time
// that is at or before Zuhr; Asr, Maghrib and Isha at the earliest one after Zuhr. So a Fajr
// of 29.3 h (05:18 in a zone far ahead of its longitude) is dated on the day itself, and an
// Isha stored as 1.1 h (after midnight at high latitude) on the day after. Nothing for a slot
// without a time; when Zuhr has none, each value stands as it is.
std::array<std::optional<std::int64_t>, kPrayerCount> EventMinutes(const DayRow& row);

}  // namespace orvanta
