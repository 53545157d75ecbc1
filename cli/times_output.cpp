#include "cli/times_output.h"

#include <array>
#include <cstdio>
#include <string>

#include "astro/time_text.h"

namespace orvanta {
namespace {

constexpr std::array<const char*, kPrayerCount> kCsvNames = {"Fajr", "Shuruq",  "Zuhr",
                                                             "Asr",  "Maghrib", "Isha"};

std::string IsoDate(const CivilDate& date) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return text.data();
}

std::string ExactHours(float hours) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.9g", static_cast<double>(hours));
    return text.data();
}

}  // namespace

void WriteDayAsText(std::ostream& out, const DayRow& row) {
    for (int s = 0; s < kPrayerCount; ++s) {
        const std::string_view name = PrayerDisplayName(static_cast<PrayerSlot>(s));
        std::string line(name);
        line.resize(std::max<std::size_t>(line.size(), 18), ' ');
        out << line << FormatPrayerTime(static_cast<double>(row[s])) << '\n';
    }
}

void WriteDayAsCsv(std::ostream& out, const CivilDate& date, const DayRow& row) {
    out << "date,prayer,hours,time\n";
    const std::string day = IsoDate(date);
    for (int s = 0; s < kPrayerCount; ++s) {
        const double hours = static_cast<double>(row[s]);
        out << day << ',' << kCsvNames[s] << ',' << ExactHours(row[s]) << ','
            << FormatPrayerTime(hours) << '\n';
    }
}

}  // namespace orvanta
