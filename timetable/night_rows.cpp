#include "timetable/night_rows.h"

#include <cmath>

#include "astro/night_times.h"
#include "timetable/civil_time.h"
#include "zones/zone_rule_source.h"

namespace orvanta {
namespace {

constexpr double kNoEventAbove = 360.0;  // hours; NO_EVENT_TIME and its shifted values
constexpr std::int64_t kSecondsPerDay = 86400;

// A slot's time in hours of Universal Time after the date's 0h UT, plus dayShift days; kept
// above kNoEventAbove when the event does not happen.
double UtHours(const DatedRow& day, PrayerSlot slot, int dayShift) {
    const auto s = static_cast<std::size_t>(SlotIndex(slot));
    const double hours = day.row[s];
    if (!(hours <= kNoEventAbove)) {
        return hours;
    }
    return hours - day.eventOffsetHours[s] + 24.0 * dayShift;
}

// The offset in force at utHours (hours after the evening date's 0h UT) in hours east.
std::optional<double> OffsetAt(double utHours, const DatedRow& evening, const DatedRow& morning,
                               std::string_view zoneName) {
    const double eveningOffset = evening.eventOffsetHours[SlotIndex(PrayerSlot::kMaghrib)];
    const double morningOffset = morning.eventOffsetHours[SlotIndex(PrayerSlot::kFajr)];
    if (zoneName.empty() || eveningOffset == morningOffset) {
        return utHours + eveningOffset < 24.0 ? eveningOffset : morningOffset;
    }
    const std::int64_t midnight = DaysFromCivil(evening.date) * kSecondsPerDay;
    const std::int64_t instant = midnight + std::llround(utHours * 3600.0);
    const auto changes = SystemZones().Changes(zoneName, midnight, instant + 1);
    if (!changes) {
        return std::nullopt;
    }
    // Before the first change of the span, the offset the day began with.
    double offset = changes->empty() ? eveningOffset : changes->front().offsetBefore / 3600.0;
    for (const ZoneTransition& change : *changes) {
        if (change.utcSeconds <= instant) {
            offset = change.offsetAfter / 3600.0;
        }
    }
    return offset;
}

// The time at utHours on its clock, or nothing (false on unreadable zone rules).
bool Place(std::optional<double> utHours, const DatedRow& evening, const DatedRow& morning,
           std::string_view zoneName, std::optional<NightTime>& placed) {
    if (!utHours) {
        return true;
    }
    const std::optional<double> offset = OffsetAt(*utHours, evening, morning, zoneName);
    if (!offset) {
        return false;
    }
    placed = NightTime{*utHours + *offset, *offset};
    return true;
}

}  // namespace

std::int64_t NightMinutes(const NightTime& time) {
    return std::llround(time.hours * 60.0);
}

std::int64_t NightInstant(const CivilDate& date, const NightTime& time) {
    return DaysFromCivil(date) * kSecondsPerDay + NightMinutes(time) * 60 -
           std::llround(time.offsetHours * 3600.0);
}

bool AddNightTimes(std::vector<DatedRow>& days, const std::vector<DatedRow>& sunDays,
                   std::string_view zoneName, NightEnd end, int imsakMinutes) {
    for (std::size_t i = 0; i + 1 < days.size() && i + 1 < sunDays.size(); ++i) {
        DatedRow& day = days[i];
        const DatedRow& next = days[i + 1];
        const NightEvents events{
            UtHours(day, PrayerSlot::kFajr, 0), UtHours(sunDays[i], PrayerSlot::kMaghrib, 0),
            UtHours(next, PrayerSlot::kFajr, 1), UtHours(sunDays[i + 1], PrayerSlot::kShuruq, 1)};
        const NightTimes times = ComputeNightTimes(events, end, imsakMinutes);
        NightRow night;
        if (times.imsak) {
            const double offset = day.eventOffsetHours[SlotIndex(PrayerSlot::kFajr)];
            night.imsak = NightTime{*times.imsak + offset, offset};
        }
        if (!Place(times.midnight, day, next, zoneName, night.midnight) ||
            !Place(times.lastThird, day, next, zoneName, night.lastThird)) {
            return false;
        }
        day.night = night;
    }
    return true;
}

}  // namespace orvanta
