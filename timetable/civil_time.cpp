#include "timetable/civil_time.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "astro/time_text.h"

namespace orvanta {
namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

}  // namespace

std::string IsoDate(const CivilDate& date) {
    return IsoDateText(date.year, date.month, date.day);
}

std::optional<std::int64_t> SlotMinutes(double hours) {
    // The same bounds as the time text: a value it cannot show has no minute here either.
    if (FormatPrayerTime(hours) == kCantDetermineText) {
        return std::nullopt;
    }
    const double wholeHours = std::floor(hours);
    const auto minutesPastHour = static_cast<std::int64_t>((hours - wholeHours) * 60.0 + 0.5);
    return static_cast<std::int64_t>(wholeHours) * 60 + minutesPastHour;
}

std::string OffsetText(double offsetHours) {
    const long minutes = std::lround(offsetHours * 60.0);
    const long magnitude = minutes < 0 ? -minutes : minutes;
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%c%02ld:%02ld", minutes < 0 ? '-' : '+',
                  magnitude / 60, magnitude % 60);
    return text.data();
}

std::string IsoLocalDateTime(const CivilDate& date, std::int64_t minutesAfterMidnight) {
    const std::int64_t localMinutes = DaysFromCivil(date) * kMinutesPerDay + minutesAfterMidnight;
    const std::int64_t day = FloorDiv(localMinutes, kMinutesPerDay);
    const std::int64_t minuteOfDay = localMinutes - day * kMinutesPerDay;
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%sT%02d:%02d:00", IsoDate(CivilFromDays(day)).c_str(),
                  static_cast<int>(minuteOfDay / 60), static_cast<int>(minuteOfDay % 60));
    return text.data();
}

}  // namespace orvanta
