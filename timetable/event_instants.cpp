#include "timetable/event_instants.h"

#include <cmath>

#include "timetable/civil_time.h"
#include "timetable/event_dates.h"

namespace orvanta {

std::array<std::optional<std::int64_t>, kPrayerCount> EventInstants(const DatedRow& day) {
    constexpr std::int64_t kSecondsPerDay = 86400;
    const std::int64_t midnight = DaysFromCivil(day.date) * kSecondsPerDay;
    const auto minutesOf = EventMinutes(day.row);
    std::array<std::optional<std::int64_t>, kPrayerCount> instants{};
    for (int s = 0; s < kPrayerCount; ++s) {
        if (!minutesOf[s]) {
            continue;
        }
        const auto offset =
            static_cast<std::int64_t>(std::lround(day.eventOffsetHours[s] * 3600.0));
        instants[s] = midnight + *minutesOf[s] * 60 - offset;
    }
    return instants;
}

}  // namespace orvanta
