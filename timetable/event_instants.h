// The instant of each event of a timetable day, for what acts at prayer time (the next prayer,
// reminders, calendar entries).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "timetable/timetable.h"

namespace orvanta {

// Given a day of a timetable, returns for each slot the instant of its event in seconds since
// 1970-01-01 00:00 UT: its local minutes dated by their place in the day (EventMinutes), on the
// clock of that event (eventOffsetHours, EAST positive, rounded to the second). Nothing for a
// slot without a time that day.
std::array<std::optional<std::int64_t>, kPrayerCount> EventInstants(const DatedRow& day);

}  // namespace orvanta
