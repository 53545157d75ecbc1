// The events of the day the window shows, and which of them comes next: the marked row, the
// status line under the list and the tray's tooltip.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include <QString>

#include "astro/date_row.h"
#include "astro/day_table.h"
#include "timetable/timetable.h"

namespace orvanta {

// One day's six events.
struct DayEvents {
    CivilDate date{};
    // Seconds since 1970-01-01 00:00 UT of each slot's event (EventInstants); nothing for a
    // slot without a time that day.
    std::array<std::optional<std::int64_t>, kPrayerCount> instants{};
    // Each slot's time as the list shows it ("  5:15 AM"; kCantDetermineText without one).
    std::array<std::string, kPrayerCount> timeTexts{};
};

// What the window computed at its last Calculate or roll-over.
struct WatchedDay {
    DayEvents today;     // the day the list shows
    DayEvents tomorrow;  // the day after, for the next prayer once Isha has passed
    // The instant the day after begins (its local midnight), seconds since 1970 UT.
    std::int64_t nextMidnightUtc = 0;
    std::string city;  // the city's name as the database writes it
};

// The events of a computed day: its instants and the list's texts.
DayEvents EventsOfDay(const DatedRow& day);

// The start of the day after day: its local midnight on the clock of day's local noon
// (day.utcOffsetHours east), seconds since 1970 UT.
std::int64_t NextMidnightUtc(const DatedRow& day);

struct NextEvent {
    PrayerSlot slot = PrayerSlot::kFajr;
    std::int64_t instantUtc = 0;  // seconds since 1970 UT
    std::string timeText;         // as the list shows it
    bool tomorrow = false;        // an event of the day after the list's day
};

// The first event strictly after nowUtc (seconds since 1970 UT): today's, else tomorrow's;
// slots without a time are passed over. Nothing when no later event is known.
std::optional<NextEvent> FindNextEvent(const WatchedDay& day, std::int64_t nowUtc);

// The short name of a slot ("Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha"), translated.
QString PrayerShortName(PrayerSlot slot);

// "Asr at 3:17 PM", or "Fajr tomorrow at 5:27 AM" for an event of the day after the list's:
// the next event and its clock time; empty without one.
QString NextEventAtText(const std::optional<NextEvent>& next);

// The status line: "Asr in 1 h 12 min" with the minutes left rounded up (the difference of the
// clock faces for an event on a whole minute), or "Isha at 6:40 PM" once less than a minute is
// left. An event of the day after the list's also gives its clock time: "Fajr tomorrow at
// 5:27 AM, in 7 h 12 min". Empty without an event.
QString NextEventText(const std::optional<NextEvent>& next, std::int64_t nowUtc);

// Seconds from nowUtc to the next moment the status line changes: when the minutes left drop
// by one, or the event itself. At least 1; 60 when there is no event.
std::int64_t SecondsToNextChange(const std::optional<NextEvent>& next, std::int64_t nowUtc);

}  // namespace orvanta
