#include "cli/times_command.h"

#include <sstream>
#include <vector>

#include "astro/date_row.h"
#include "cli/cities_command.h"
#include "cli/times_options.h"
#include "cli/times_output.h"
#include "settings/settings_store.h"
#include "timetable/csv_output.h"
#include "timetable/ics_output.h"
#include "timetable/json_output.h"
#include "timetable/timetable.h"
#include "zones/city_daylight.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

constexpr const char* kProgram = "orvanta-times: ";

// Never reports a home city; stands in when the run has no per-user database.
class NoHomeCity final : public HomeCitySource {
  public:
    bool ReadHomeCity(CityLocation&) const override { return false; }
};

// The user's saved settings and the lookup name they settle (read only), with the command
// line's overrides on top.
void SettleSettings(const TimesServices& services, const SettingsOverrides& overrides,
                    PrayerSettings& settings, CityLocation& city) {
    const NoHomeCity noHomeCity;
    const HomeCitySource& home = services.homeCity ? *services.homeCity : noHomeCity;
    if (services.savedSettings != nullptr) {
        LoadSettings(*services.savedSettings, home, settings, city);
    } else if (!home.ReadHomeCity(city)) {
        city.name = settings.configuredCity;
    }
    if (overrides.method) {
        settings.method = *overrides.method;
    }
    if (overrides.depressionDegrees) {
        settings.depressionDegrees = *overrides.depressionDegrees;
    }
    if (overrides.intervalMinutes) {
        settings.intervalMinutes = *overrides.intervalMinutes;
    }
    if (overrides.fiqh) {
        settings.fiqh = *overrides.fiqh;
        settings.asrShadowFactor = settings.fiqh == 0 ? 1.0 : 2.0;
    }
}

// Looks the city up by city.name; on failure writes the error and returns the exit status.
int LookUp(const TimesServices& services, CityLocation& city, std::ostream& err) {
    if (services.cities == nullptr) {
        err << kProgram << "no city database is available\n";
        return 1;
    }
    const std::string searched = city.name;
    const CityLookupStatus status =
        services.cities->LookUp(city, [&](std::string_view text, std::string_view) {
            err << kProgram << text << " (\"" << searched << "\")\n";
        });
    if (status == CityLookupStatus::DatabaseUnavailable) {
        err << kProgram << "the city database " << services.cityDatabaseDescription
            << " is missing or damaged; rebuild it with 'make' or reinstall Orvanta\n";
    }
    return status == CityLookupStatus::Found ? 0 : 1;
}

// A zone given by name on the command line: its standard offset for the year.
bool SettleNamedZone(CityLocation& city, std::int16_t year, std::ostream& err) {
    const std::optional<ZoneSummary> zone = SummarizeZone(city.zoneName, year);
    if (!zone) {
        err << kProgram << "cannot read the time zone '" << city.zoneName << "'\n";
        return false;
    }
    city.zoneHours = zone->zoneHours;
    city.supportsDst = zone->observesDst ? 1 : 0;
    return true;
}

}  // namespace

int RunTimesCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const TimesServices& services) {
    // Everything goes to a buffer first, so a failing run prints nothing on standard output.
    std::ostringstream buffer;
    const std::variant<TimesRequest, CitiesRequest, EarlyExit> parsed =
        ParseTimesArguments(argc, argv, buffer);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        if (early->status != 0) {
            err << kProgram << early->message << '\n';
            return early->status;
        }
        out << buffer.str();
        return 0;
    }
    if (const auto* cities = std::get_if<CitiesRequest>(&parsed)) {
        return RunCitiesCommand(*cities, out, err, services);
    }
    const TimesRequest& request = std::get<TimesRequest>(parsed);
    std::optional<CivilDate> date = request.date;
    if (request.range) {
        date = request.range->first;
    } else if (!date) {
        date = services.today ? services.today() : std::nullopt;
        if (!date) {
            err << kProgram << "could not read today's date from the system clock\n";
            return 1;
        }
    }

    PrayerSettings settings;
    CityLocation city;
    SettleSettings(services, request.overrides, settings, city);
    if (request.source == LocationSource::Coordinates) {
        city = request.city;
        if (!city.zoneName.empty() && !SettleNamedZone(city, date->year, err)) {
            return 1;
        }
    } else {
        if (request.source == LocationSource::CityName) {
            city.name = request.city.name;
        }
        if (const int status = LookUp(services, city, err); status != 0) {
            return status;
        }
    }

    std::vector<DatedRow> days;
    if (request.range) {
        std::optional<std::vector<DatedRow>> rows =
            ComputeDateRange(request.range->first, request.range->second, city, settings);
        if (rows) {
            days = std::move(*rows);
        }
    } else if (const std::optional<DatedRow> row = ComputeOneDay(*date, city, settings)) {
        days.push_back(*row);
    }
    if (days.empty()) {
        err << kProgram << "cannot read the daylight-saving rules of '" << city.zoneName << "'\n";
        return 1;
    }
    switch (request.format) {
        case OutputFormat::Text:
            WriteTimetableAsText(buffer, city, settings, days, request.clock24);
            break;
        case OutputFormat::Csv:
            WriteTimetableAsCsv(buffer, days);
            break;
        case OutputFormat::Json:
            WriteTimetableAsJson(buffer, city, settings, days);
            break;
        case OutputFormat::Ics: {
            const std::int64_t now = services.nowUtc ? services.nowUtc() : 0;
            if (!WriteTimetableAsIcs(buffer, city, days, now)) {
                err << kProgram << "cannot read the rules of the time zone '" << city.zoneName
                    << "'\n";
                return 1;
            }
            break;
        }
    }
    out << buffer.str();
    out.flush();
    if (!out.good()) {
        err << kProgram << "cannot write the output\n";
        return 1;
    }
    return 0;
}

}  // namespace orvanta
