#include "timetable/event_dates.h"

#include "timetable/civil_time.h"

namespace orvanta {
namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

}  // namespace

std::array<std::optional<std::int64_t>, kPrayerCount> EventMinutes(const DayRow& row) {
    std::array<std::optional<std::int64_t>, kPrayerCount> minutes{};
    for (int s = 0; s < kPrayerCount; ++s) {
        minutes[s] = SlotMinutes(static_cast<double>(row[s]));
    }
    const std::optional<std::int64_t> zuhr = minutes[SlotIndex(PrayerSlot::kZuhr)];
    if (!zuhr) {
        return minutes;
    }
    for (int s = 0; s < kPrayerCount; ++s) {
        if (!minutes[s] || s == SlotIndex(PrayerSlot::kZuhr)) {
            continue;
        }
        const std::int64_t clock =
            *minutes[s] - FloorDiv(*minutes[s], kMinutesPerDay) * kMinutesPerDay;
        // The whole days to add so that the time is at or before Zuhr, less than a day before.
        std::int64_t days = FloorDiv(*zuhr - clock, kMinutesPerDay);
        if (s > SlotIndex(PrayerSlot::kZuhr)) {
            days += 1;  // after Zuhr, less than a day after
        }
        minutes[s] = clock + days * kMinutesPerDay;
    }
    return minutes;
}

}  // namespace orvanta
