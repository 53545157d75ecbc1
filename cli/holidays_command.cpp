#include "cli/holidays_command.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <sstream>

#include "astro/civil_days.h"
#include "cli/error_line.h"
#include "cli/holiday_names.h"
#include "cli/run_setup.h"
#include "hijri/hijri_text.h"
#include "timetable/civil_time.h"
#include "timetable/ics_output.h"

namespace orvanta {
namespace {

constexpr std::array<const char*, 7> kWeekdays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// "20240410": an iCalendar DATE.
std::string BasicDate(const CivilDate& date) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d%02d%02d", date.year, date.month, date.day);
    return text.data();
}

void WriteText(std::ostream& out, const std::vector<HolidayDate>& holidays) {
    for (const HolidayDate& entry : holidays) {
        const std::string name(HolidayName(entry.holiday));
        out << IsoDate(entry.date) << "  "
            << kWeekdays[static_cast<std::size_t>(civil::WeekdayOfDays(DaysFromCivil(entry.date)))]
            << "  " << name << std::string(name.size() < 18 ? 18 - name.size() : 1, ' ')
            << HijriDateText(entry.hijri) << '\n';
    }
}

void WriteJson(std::ostream& out, std::int16_t year, int offset,
               const std::vector<HolidayDate>& holidays) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const HolidayDate& entry : holidays) {
        list.push_back({{"date", IsoDate(entry.date)},
                        {"id", HolidayId(entry.holiday)},
                        {"name", HolidayName(entry.holiday)},
                        {"hijri",
                         {{"year", entry.hijri.year},
                          {"month", entry.hijri.month},
                          {"day", entry.hijri.day},
                          {"text", HijriDateText(entry.hijri)}}}});
    }
    const nlohmann::ordered_json document = {
        {"year", year}, {"hijriOffset", offset}, {"holidays", std::move(list)}};
    out << document.dump(2) << '\n';
}

// Seconds since 1970 UT as "YYYYMMDDThhmmssZ".
std::string StampText(std::int64_t seconds) {
    const std::int64_t days = civil::FloorDiv(seconds, 86400);
    const std::int64_t second = seconds - days * 86400;
    const CivilDate date = CivilFromDays(days);
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%sT%02d%02d%02dZ", BasicDate(date).c_str(),
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return text.data();
}

void WriteIcs(std::ostream& out, const std::vector<HolidayDate>& holidays, std::int64_t nowUtc) {
    std::string text;
    const auto line = [&text](std::string_view content) { text += FoldContentLine(content); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Orvanta//orvanta-times 1.0.0//EN");
    line("CALSCALE:GREGORIAN");
    const std::string stamp = StampText(nowUtc);
    for (const HolidayDate& entry : holidays) {
        line("BEGIN:VEVENT");
        line("UID:" + std::string(HolidayId(entry.holiday)) + "-" +
             std::to_string(entry.hijri.year) + "@orvanta");
        line("DTSTAMP:" + stamp);
        line("DTSTART;VALUE=DATE:" + BasicDate(entry.date));
        line("DTEND;VALUE=DATE:" + BasicDate(CivilFromDays(DaysFromCivil(entry.date) + 1)));
        line("SUMMARY:" + EscapeText(HolidayName(entry.holiday)));
        line("DESCRIPTION:" + EscapeText(HijriDateText(entry.hijri) + " (Umm al-Qura)"));
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    out << text;
}

}  // namespace

int RunHolidaysCommand(const HolidaysRequest& request, std::ostream& out, std::ostream& err,
                       const TimesServices& services) {
    std::optional<std::int16_t> year = request.year;
    if (!year) {
        const std::optional<CivilDate> today = services.today ? services.today() : std::nullopt;
        if (!today) {
            WriteErrorLine(err, "cannot read today's date from the system clock");
            return 1;
        }
        year = today->year;
    }
    const int offset = RunHijriOffset(request.overrides, services, err);
    const std::optional<std::vector<HolidayDate>> holidays = HolidaysInYear(*year, offset);
    if (!holidays) {
        WriteErrorLine(err, "cannot compute the Hijri dates (the ICU calendar data)");
        return 1;
    }
    std::ostringstream text;
    switch (request.format) {
        case OutputFormat::kJson:
            WriteJson(text, *year, offset, *holidays);
            break;
        case OutputFormat::kIcs:
            WriteIcs(text, *holidays, services.nowUtc ? services.nowUtc() : 0);
            break;
        default:
            WriteText(text, *holidays);
            break;
    }
    return WriteOutput(out, err, text.view());
}

}  // namespace orvanta
