#include "timetable/csv_output.h"

#include <array>
#include <cstdio>
#include <string>

#include "timetable/civil_time.h"
#include "timetable/prayer_fields.h"

namespace orvanta {
namespace {

std::string ExactHours(float hours) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.9g", static_cast<double>(hours));
    return text.data();
}

}  // namespace

void WriteTimetableAsCsv(std::ostream& out, const std::vector<DatedRow>& days, bool clock24) {
    out << "date,prayer,hours,time\n";
    for (const DatedRow& day : days) {
        const std::string date = IsoDate(day.date);
        for (int s = 0; s < kPrayerCount; ++s) {
            out << date << ',' << PrayerShortName(s) << ',' << ExactHours(day.row[s]) << ','
                << TimeField(static_cast<double>(day.row[s]), clock24) << '\n';
        }
    }
}

}  // namespace orvanta
