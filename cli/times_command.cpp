#include "cli/times_command.h"

#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "astro/date_row.h"
#include "cli/cities_command.h"
#include "cli/error_line.h"
#include "cli/holidays_command.h"
#include "cli/next_command.h"
#include "cli/notice_text.h"
#include "cli/run_setup.h"
#include "cli/times_options.h"
#include "cli/times_output.h"
#include "cli/timetable_command.h"
#include "common/visible_text.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "timetable/civil_time.h"
#include "timetable/csv_output.h"
#include "timetable/hijri_days.h"
#include "timetable/ics_output.h"
#include "timetable/json_output.h"
#include "timetable/timetable.h"
#include "zones/city_daylight.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

constexpr std::size_t kBytesPerDay = 320;

// Writes the computed timetable after what the run has written so far (printed), in the
// request's format; 1 with a message when the output cannot be written or the iCalendar events
// cannot be placed in time.
int WriteTimetable(const TimesRequest& request, const CityLocation& city,
                   const PrayerSettings& settings, const MethodChoice& choice,
                   const std::vector<DatedRow>& days, std::ostringstream printed, std::ostream& out,
                   std::ostream& err, const std::function<std::int64_t()>& nowUtc) {
    if (request.format == OutputFormat::kCsv) {
        // Nothing can fail now but the writing itself: the CSV goes straight out in its blocks
        // (a year is about 100 KiB), with no copy of the whole text in memory.
        out << printed.view();
        WriteTimetableAsCsv(out, days, request.clock24, request.extras);
        return WriteOutput(out, err, {});
    }
    // The output so far, with room for the whole timetable after it (a day takes about 300
    // bytes; the formats with more grow as usual): a year's text is written once, not copied
    // again at each doubling of the buffer.
    std::string room = std::move(printed).str();
    room.reserve(room.size() + days.size() * kBytesPerDay);
    std::ostringstream output(std::move(room), std::ios::out | std::ios::ate);
    switch (request.format) {
        case OutputFormat::kText:
            WriteTimetableAsText(output, city, settings, days, request.clock24, &choice);
            break;
        case OutputFormat::kCsv:
            break;  // written above
        case OutputFormat::kJson:
            WriteTimetableAsJson(output, city, settings, days, &choice, request.clock24);
            break;
        case OutputFormat::kIcs: {
            const std::int64_t now = nowUtc ? nowUtc() : 0;
            const std::string methodText = IsClassic(choice) ? std::string() : choice.presetId;
            if (!WriteTimetableAsIcs(output, city, days, now, methodText)) {
                WriteErrorLine(
                    err, "cannot read the rules of the time zone " + QuotedValue(city.zoneName));
                return 1;
            }
            break;
        }
    }
    return WriteOutput(out, err, output.view());
}

// The whole run but the notices.
int RunCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
               const TimesServices& services) {
    // Everything goes to a buffer first, so a failing run prints nothing on standard output.
    std::ostringstream buffer;
    const ParsedArguments parsed = ParseTimesArguments(argc, argv, buffer);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        if (early->status != 0) {
            WriteErrorLine(err, early->message);
            return early->status;
        }
        return WriteOutput(out, err, buffer.view());
    }
    if (const auto* cities = std::get_if<CitiesRequest>(&parsed)) {
        return RunCitiesCommand(*cities, out, err, services);
    }
    if (const auto* next = std::get_if<NextRequest>(&parsed)) {
        return RunNextCommand(*next, out, err, services);
    }
    if (const auto* holidays = std::get_if<HolidaysRequest>(&parsed)) {
        return RunHolidaysCommand(*holidays, out, err, services);
    }
    if (const auto* timetable = std::get_if<TimetableRequest>(&parsed)) {
        return RunTimetableCommand(*timetable, out, err, services);
    }
    const TimesRequest& request = std::get<TimesRequest>(parsed);
    std::optional<CivilDate> date = request.date;
    if (request.range) {
        date = request.range->first;
    } else if (!date) {
        date = services.today ? services.today() : std::nullopt;
        if (!date) {
            WriteErrorLine(err, "cannot read today's date from the system clock");
            return 1;
        }
    }

    RunSetup setup;
    if (const int status = SetUpRun(request, services, date->year, err, setup); status != 0) {
        return status;
    }
    const CityLocation& city = setup.city;
    const PrayerSettings& settings = setup.settings;
    const MethodChoice& choice = setup.choice;

    // json always carries the night's times; the other formats only with --extras.
    const bool night = request.extras || request.format == OutputFormat::kJson;
    const CivilDate last = request.range ? request.range->second : *date;
    const PrintedDays printed = PrintedDaysOfRun(services, setup, request.source,
                                                 DaysFromCivil(*date), DaysFromCivil(last));
    std::vector<DatedRow> days;
    if (request.range || night) {
        const std::pair<CivilDate, CivilDate> range =
            request.range.value_or(std::pair{*date, *date});
        std::optional<std::vector<DatedRow>> rows =
            ComputeDateRange(range.first, range.second, city, settings, choice,
                             request.source == LocationSource::kCoordinates ? ZoneYears::kEachYear
                                                                            : ZoneYears::kAsGiven,
                             &printed, night);
        if (rows) {
            days = std::move(*rows);
        }
    } else if (const std::optional<DatedRow> row =
                   ComputeOneDay(*date, city, settings, choice, SystemZones(), &printed)) {
        days.push_back(*row);
    }
    if (days.empty()) {
        return ReportNoDays(city, err);
    }
    if (!AddHijriDates(days, setup.hijriOffset)) {
        WriteErrorLine(err, "cannot compute the Hijri dates (the ICU calendar data)");
        return 1;
    }
    return WriteTimetable(request, city, settings, choice, days, std::move(buffer), out, err,
                          services.nowUtc);
}

}  // namespace

int RunTimesCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const TimesServices& services) {
    const int status = RunCommand(argc, argv, out, err, services);
    if (services.notices != nullptr) {
        for (const Notice& notice : services.notices->Take()) {
            WriteErrorLine(err, NoticeText(notice));
        }
    }
    return status;
}

}  // namespace orvanta
