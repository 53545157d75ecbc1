#include "timetable/civil_time.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "astro/time_text.h"

namespace orvanta {
namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

}  // namespace

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// The days-from-civil algorithm over 400-year eras, with the year starting in March so that
// the leap day ends it.
std::int64_t DaysFromCivil(const CivilDate& date) {
    const std::int64_t y = static_cast<std::int64_t>(date.year) - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;  // 0 .. 399
    const std::int64_t m = date.month;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;  // 0 .. 146096
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;  // 0 = March
    const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return CivilDate{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                     static_cast<std::int16_t>(day)};
}

std::string IsoDate(const CivilDate& date) {
    const auto inRange = [](int value, int last) { return value >= 0 && value <= last; };
    if (inRange(date.year, 9999) && inRange(date.month, 99) && inRange(date.day, 99)) {
        // The common case without printf, which costs more than the rest of a CSV row.
        std::string text = "0000-00-00";
        const auto put = [&text](std::size_t end, int value, int width) {
            for (int i = 1; i <= width; ++i, value /= 10) {
                text[end - static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
            }
        };
        put(4, date.year, 4);
        put(7, date.month, 2);
        put(10, date.day, 2);
        return text;
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return text.data();
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
