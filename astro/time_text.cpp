#include "astro/time_text.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace orvanta {
namespace {

constexpr std::array<std::string_view, kPrayerCount> kDisplayNames = {
    "Fajr (Dawn)",     "Shuruq (Sunrise)", "Zuhr (Noon)",
    "Asr (Afternoon)", "Maghrib (Sunset)", "Isha (Night)",
};

constexpr double kEarliestShown = -24.0;  // hours
constexpr double kLatestShown = 48.0;     // hours
constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

std::string_view PrayerDisplayName(PrayerSlot slot) {
    return kDisplayNames.at(SlotIndex(slot));
}

std::optional<int> PrayerMinuteOfDay(double hours) {
    // Covers no-event values too: they lie above 360 hours, far past kLatestShown.
    if (!std::isfinite(hours) || hours < kEarliestShown || hours > kLatestShown) {
        return std::nullopt;
    }
    // Whole hours and minutes rounded half up, as h * 60 + trunc((v - h) * 60 + 0.5); the
    // bounds above keep h within -24 .. 48, so the integers cannot overflow.
    const double wholeHours = std::floor(hours);
    const int minutesPastHour = static_cast<int>((hours - wholeHours) * 60.0 + 0.5);  // 0 .. 60
    const int totalMinutes = static_cast<int>(wholeHours) * 60 + minutesPastHour;
    return ((totalMinutes % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
}

std::string FormatPrayerTime(double hours) {
    const std::optional<int> shown = PrayerMinuteOfDay(hours);
    if (!shown) {
        return std::string(kCantDetermineText);
    }
    const int minuteOfDay = *shown;
    const int hour = minuteOfDay / 60;  // 0 .. 23
    const int minute = minuteOfDay % 60;
    const char* suffix = hour < 12 ? "AM" : "PM";
    const int shownHour = hour > 12 ? hour - 12 : hour;
    // "%3d:%02d %s" written by hand: this runs six times for every day of a timetable.
    std::string text = "  0:00 AM";
    if (shownHour >= 10) {
        text[1] = static_cast<char>('0' + shownHour / 10);
    }
    text[2] = static_cast<char>('0' + shownHour % 10);
    text[4] = static_cast<char>('0' + minute / 10);
    text[5] = static_cast<char>('0' + minute % 10);
    text[7] = suffix[0];
    return text;
}

std::string IsoDateText(int year, int month, int day) {
    const auto inRange = [](int value, int last) { return value >= 0 && value <= last; };
    if (inRange(year, 9999) && inRange(month, 99) && inRange(day, 99)) {
        // The common case without printf, which costs more than the rest of a CSV row.
        std::string text = "0000-00-00";
        const auto put = [&text](std::size_t end, int value, int width) {
            for (int i = 1; i <= width; ++i, value /= 10) {
                text[end - static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
            }
        };
        put(4, year, 4);
        put(7, month, 2);
        put(10, day, 2);
        return text;
    }
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", year, month, day);
    return text.data();
}

}  // namespace orvanta
