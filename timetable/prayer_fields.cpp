#include "timetable/prayer_fields.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "astro/day_table.h"
#include "astro/time_text.h"
#include "timetable/civil_time.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, kPrayerCount> kShortNames = {"Fajr", "Shuruq",  "Zuhr",
                                                                    "Asr",  "Maghrib", "Isha"};
constexpr std::int64_t kMinutesPerDay = 24 * 60;

}  // namespace

std::string_view PrayerShortName(int slot) {
    return kShortNames.at(static_cast<std::size_t>(slot));
}

std::string FormatPrayerTime24(double hours) {
    const std::optional<std::int64_t> minutes = SlotMinutes(hours);
    if (!minutes) {
        return std::string(kCantDetermineText);
    }
    const std::int64_t minuteOfDay =
        ((*minutes % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d:%02d", static_cast<int>(minuteOfDay / 60),
                  static_cast<int>(minuteOfDay % 60));
    return text.data();
}

std::string TimeField(double hours, bool clock24) {
    if (clock24) {
        return FormatPrayerTime24(hours);
    }
    std::string text = FormatPrayerTime(hours);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

}  // namespace orvanta
