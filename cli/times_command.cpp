#include "cli/times_command.h"

#include <sstream>

#include "astro/date_row.h"
#include "cli/times_options.h"
#include "cli/times_output.h"
#include "location/city_daylight.h"
#include "location/zone_rules.h"

namespace orvanta {
namespace {

constexpr const char* kProgram = "orvanta-times: ";

}  // namespace

int RunTimesCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const TodayFn& today) {
    // Everything goes to a buffer first, so a failing run prints nothing on standard output.
    std::ostringstream buffer;
    const std::variant<TimesRequest, EarlyExit> parsed = ParseTimesArguments(argc, argv, buffer);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        if (early->status != 0) {
            err << kProgram << early->message << '\n';
            return early->status;
        }
        out << buffer.str();
        return 0;
    }
    const TimesRequest& request = std::get<TimesRequest>(parsed);
    const std::optional<CivilDate> date = request.date ? request.date : today();
    if (!date) {
        err << kProgram << "could not read today's date from the system clock\n";
        return 1;
    }
    CityLocation city = request.city;
    if (!city.zoneName.empty()) {
        // A zone given by name: its standard offset for the year, its daylight saving per day.
        const std::optional<ZoneSummary> zone = SummarizeZone(city.zoneName, date->year);
        if (!zone) {
            err << kProgram << "cannot read the time zone '" << city.zoneName << "'\n";
            return 1;
        }
        city.zoneHours = zone->zoneHours;
        city.supportsDst = zone->observesDst ? 1 : 0;
    }
    const std::optional<DaylightShiftTable> shifts = DaylightShiftsForCity(city, date->year);
    if (!shifts) {
        err << kProgram << "cannot read the daylight-saving rules of '" << city.zoneName << "'\n";
        return 1;
    }
    const std::optional<DayRow> row = ComputeDateRow(*date, city, request.settings, &*shifts);
    if (!row) {
        err << kProgram << "the date cannot be computed\n";
        return 1;
    }
    if (request.format == OutputFormat::Csv) {
        WriteDayAsCsv(buffer, *date, *row);
    } else {
        WriteDayAsText(buffer, *row);
    }
    out << buffer.str();
    return out.good() ? 0 : 1;
}

}  // namespace orvanta
