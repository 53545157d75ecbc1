#include "timetable/csv_output.h"

#include <array>
#include <string>

#include "hijri/hijri_text.h"
#include "timetable/civil_time.h"
#include "timetable/hours_text.h"
#include "timetable/prayer_fields.h"

namespace orvanta {
void WriteTimetableAsCsv(std::ostream& out, const std::vector<DatedRow>& days, bool clock24) {
    // One text for the whole table, written at once.
    std::string text = "date,prayer,hours,time,hijri\n";
    text.reserve(days.size() * kPrayerCount * 48);
    for (const DatedRow& day : days) {
        // The parts every line of the day shares, made once: "date," and ",hijri\n".
        const std::string dateField = IsoDate(day.date) + ',';
        std::string hijriField = ",";
        if (day.hijri) {
            hijriField += HijriIsoText(*day.hijri);
        }
        hijriField += '\n';
        for (int s = 0; s < kPrayerCount; ++s) {
            text += dateField;
            text += PrayerShortName(s);
            text += ',';
            AppendHoursText(text, day.row[s]);
            text += ',';
            text += TimeField(static_cast<double>(day.row[s]), clock24);
            text += hijriField;
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace orvanta
