// The next prayer time from a moment, and how `orvanta-times next` writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "astro/calculation_inputs.h"
#include "cli/times_options.h"
#include "timetable/timetable.h"

namespace orvanta {

// One event of a computed day.
struct PrayerEvent {
    const DatedRow* day = nullptr;  // the day whose row holds it
    int slot = 0;                   // 0 Fajr .. 5 Isha
    std::int64_t instantUtc = 0;    // seconds since 1970-01-01 00:00 UT (EventInstants)
};

struct NextPrayer {
    std::int64_t nowUtc = 0;              // seconds since 1970 UT
    std::optional<PrayerEvent> previous;  // the last event at or before now
    PrayerEvent next;                     // the first event after now
    std::optional<PrayerEvent> after;     // the one after that
};

// Given consecutive days (ComputeDateRange) and a moment in seconds since 1970 UT, returns the
// first event strictly after it with the one before and the one after; a slot without a time
// that day is passed over (so after Isha comes the next day's Fajr, or its Shuruq where that
// day has no Fajr). Nothing when no day given has an event after the moment.
std::optional<NextPrayer> FindNextPrayer(const std::vector<DatedRow>& days, std::int64_t nowUtc);

// Writes the next prayer in the request's format, each ending in a newline:
// text "Asr 3:17 PM (in 1 h 12 min)" (--short: "Asr 3:17 PM"; the minutes left rounded up);
// json {"name", "key", "time" (ISO 8601 local date-time with offset), "text", "secondsLeft",
// "after": the same for the event after it, without secondsLeft};
// waybar {"text", "tooltip" (the place, the next event's day with its Hijri date, its six times
// with the past ones marked ✓ and the next one ▶; Pango markup escaped), "class" (the key, and
// "soon" within soonMinutes), "percentage" (0 .. 100: how far now lies from the previous event
// to the next)}.
void WriteNextPrayer(std::ostream& out, const NextPrayer& next, const NextRequest& request,
                     const CityLocation& city);

}  // namespace orvanta
