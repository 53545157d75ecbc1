#include "zones/event_clocks.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/civil_days.h"

namespace orvanta {
namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr double kLastEventHour = 360.0;  // larger values mean "no event"

bool IsEvent(float value) {
    return std::isfinite(value) && static_cast<double>(value) <= kLastEventHour;
}

int DayIndexOf(const CivilDate& date) {
    const std::int16_t leap = civil::IsLeapYear(date.year) ? 1 : 0;
    return DayIndexOfDate(leap, date.month, date.day).value_or(0);
}

// The hours of each event after the date's midnight on the noon clock, placed by the event's
// place in the day: Fajr and Shuruq at or before Zuhr, Asr, Maghrib and Isha after it, less
// than a day away (an evening time stored as 1.1 h lies 25.1 h after midnight).
std::array<double, kPrayerCount> PlacedHours(const DayRow& row) {
    std::array<double, kPrayerCount> placed{};
    const auto zuhr = static_cast<double>(row[SlotIndex(PrayerSlot::kZuhr)]);
    for (int s = 0; s < kPrayerCount; ++s) {
        placed[s] = static_cast<double>(row[s]);
        if (!IsEvent(row[s]) || !IsEvent(row[SlotIndex(PrayerSlot::kZuhr)]) ||
            s == SlotIndex(PrayerSlot::kZuhr)) {
            continue;
        }
        const double clock = placed[s] - 24.0 * std::floor(placed[s] / 24.0);
        const double days =
            std::floor((zuhr - clock) / 24.0) + (s > SlotIndex(PrayerSlot::kZuhr) ? 1.0 : 0.0);
        placed[s] = clock + 24.0 * days;
    }
    return placed;
}

EventClocks OnNoonClock(const DayRow& row, double noonOffsetHours) {
    EventClocks clocks;
    clocks.row = row;
    clocks.offsetHours.fill(noonOffsetHours);
    return clocks;
}

}  // namespace

bool NoonClockHoldsAllDay(const DaylightShiftTable& shifts, int dayIndex, const DayRow& row) {
    // The last day of the year is index 364 or 365; the entry after it is 0 in a common year
    // and outside the table in a leap year, so neither is trusted.
    if (dayIndex <= 0 || dayIndex >= 364) {
        return false;
    }
    const auto index = static_cast<std::size_t>(dayIndex);
    if (shifts[index - 1] != shifts[index] || shifts[index + 1] != shifts[index]) {
        return false;
    }
    const std::array<double, kPrayerCount> placed = PlacedHours(row);
    return std::all_of(placed.begin(), placed.end(), [](double hours) {
        return hours > kLastEventHour || (hours >= -12.0 && hours <= 36.0);
    });
}

std::optional<EventClocks> ClocksOfEvents(const DayRow& row, const CivilDate& date,
                                          double noonOffsetHours, const DaylightShiftTable& shifts,
                                          const ZoneChangesFn& changes) {
    EventClocks clocks = OnNoonClock(row, noonOffsetHours);
    if (!changes || NoonClockHoldsAllDay(shifts, DayIndexOf(date), row)) {
        return clocks;
    }
    // The instant of each event, from its place in the day on the noon clock.
    const std::array<double, kPrayerCount> placed = PlacedHours(row);
    const double midnight =
        static_cast<double>(civil::DaysFromCivil(date.year, date.month, date.day)) * 86400.0;
    std::array<std::int64_t, kPrayerCount> instants{};
    std::int64_t first = 0;
    std::int64_t last = 0;
    bool any = false;
    for (int s = 0; s < kPrayerCount; ++s) {
        if (!IsEvent(row[s])) {
            continue;
        }
        const double hours = placed[s] - noonOffsetHours;
        instants[s] = static_cast<std::int64_t>(std::llround(midnight + hours * kSecondsPerHour));
        first = any ? std::min(first, instants[s]) : instants[s];
        last = any ? std::max(last, instants[s]) : instants[s];
        any = true;
    }
    if (!any) {
        return clocks;
    }
    const std::optional<std::vector<ZoneTransition>> found = changes(first - 1, last + 1);
    if (!found) {
        return std::nullopt;
    }
    for (int s = 0; s < kPrayerCount; ++s) {
        if (!IsEvent(row[s]) || found->empty()) {
            continue;
        }
        // The offset before the first change in the span, then each change passed.
        std::int32_t offset = found->front().offsetBefore;
        for (const ZoneTransition& change : *found) {
            if (change.utcSeconds <= instants[s]) {
                offset = change.offsetAfter;
            }
        }
        const double offsetHours = offset / kSecondsPerHour;
        clocks.offsetHours[s] = offsetHours;
        clocks.row[s] =
            static_cast<float>(static_cast<double>(row[s]) + (offsetHours - noonOffsetHours));
    }
    return clocks;
}

}  // namespace orvanta
