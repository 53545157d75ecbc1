// The clock each event of a day is shown on: the offset in force at the event's own instant.
// A day's row holds hours on the clock in force at that day's local noon (the daylight-saving
// table); on the few days with a change of offset near them, an event on the other side of the
// change is moved onto the clock then in force (Isha after a 23:00 change shows an hour later).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "astro/date_row.h"
#include "astro/day_table.h"
#include "zones/zone_file.h"

namespace orvanta {

// One day's events, each on the clock in force at its instant.
struct EventClocks {
    // Slot values: hours after the date's local midnight on each event's own clock (a value
    // that means "no event" is kept as it is).
    DayRow row{};
    // The offset each event is shown with, hours EAST of Universal Time.
    std::array<double, kPrayerCount> offsetHours{};
};

// The zone's changes of offset at instants [fromUtc, toUtc) in seconds since 1970 UT; nothing
// when the zone's rules cannot be read.
using ZoneChangesFn = std::function<std::optional<std::vector<ZoneTransition>>(std::int64_t fromUtc,
                                                                               std::int64_t toUtc)>;

// Given a year's daylight-saving table, a day index and the row of that day, true when the table
// alone settles every event's clock: the day is not the year's first or last, the days before
// and after have the same shift, and every event, placed by its place in the day (Fajr and
// Shuruq at or before Zuhr, the others after it), lies within 12 hours of the day
// (-12 .. 36 h), so no change of offset can lie between an event and a local noon with the
// same offset.
bool NoonClockHoldsAllDay(const DaylightShiftTable& shifts, int dayIndex, const DayRow& row);

// Given a day's row on the clock of its local noon (noonOffsetHours east), its date, its year's
// daylight-saving table and a way to ask the zone for its changes (empty for a city without a
// named zone: the table is all there is), returns each event on the clock in force at its
// instant. An ordinary day (NoonClockHoldsAllDay) never asks the zone. Nothing when the zone's
// changes cannot be read.
std::optional<EventClocks> ClocksOfEvents(const DayRow& row, const CivilDate& date,
                                          double noonOffsetHours, const DaylightShiftTable& shifts,
                                          const ZoneChangesFn& changes);

}  // namespace orvanta
