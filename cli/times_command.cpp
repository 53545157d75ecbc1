#include "cli/times_command.h"

#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "astro/date_row.h"
#include "cli/cities_command.h"
#include "cli/error_line.h"
#include "cli/notice_text.h"
#include "cli/times_options.h"
#include "cli/times_output.h"
#include "common/visible_text.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "timetable/csv_output.h"
#include "timetable/hijri_days.h"
#include "timetable/ics_output.h"
#include "timetable/json_output.h"
#include "timetable/timetable.h"
#include "zones/city_daylight.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

// Never reports a home city; stands in when the run has no per-user database.
class NoHomeCity final : public HomeCitySource {
  public:
    bool ReadHomeCity(CityLocation&) const override { return false; }
};

// The user's saved settings and the lookup name they settle (read only), with the command
// line's overrides on top.
void SettleSettings(const TimesServices& services, const SettingsSnapshot* saved,
                    const SettingsOverrides& overrides, PrayerSettings& settings,
                    CityLocation& city) {
    const NoHomeCity noHomeCity;
    const HomeCitySource& home = services.homeCity ? *services.homeCity : noHomeCity;
    if (saved != nullptr) {
        LoadSettings(*saved, home, settings, city, services.notices);
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
        settings.asrShadowFactor = AsrShadowFactorForFiqh(settings.fiqh);
    }
}

// Looks the city up by city.name; on failure writes the error and returns the exit status.
int LookUp(const TimesServices& services, CityLocation& city, std::ostream& err) {
    if (services.cities == nullptr) {
        WriteErrorLine(err, "no city database is available");
        return 1;
    }
    const std::string searched = city.name;
    const CityLookupStatus status = services.cities->LookUp(city);
    if (status == CityLookupStatus::NotFound) {
        WriteErrorLine(err, "cannot find the city " + QuotedValue(searched));
    } else if (status == CityLookupStatus::DatabaseUnavailable) {
        WriteErrorLine(err, "the city database " + services.cityDatabaseDescription +
                                " is missing or damaged; rebuild it with 'make' or reinstall "
                                "Orvanta");
    }
    return status == CityLookupStatus::Found ? 0 : 1;
}

// A zone given by name on the command line: its standard offset for the year.
bool SettleNamedZone(CityLocation& city, std::int16_t year, std::ostream& err) {
    const std::optional<ZoneSummary> zone = SummarizeZone(city.zoneName, year);
    if (!zone) {
        WriteErrorLine(err, "cannot read the time zone " + QuotedValue(city.zoneName));
        return false;
    }
    city.zoneHours = zone->zoneHours;
    city.supportsDst = zone->observesDst ? 1 : 0;
    return true;
}

// The saved Hijri offset (a value that cannot be read is reported and taken as 0), or the
// command line's.
int SettleHijriOffset(const SettingsSnapshot* savedFile, const SettingsOverrides& overrides,
                      std::ostream& err) {
    HijriSettings saved;
    if (savedFile != nullptr) {
        saved = LoadHijriSettings(*savedFile);
        if (saved.unreadable && !overrides.hijriOffsetDays) {
            WriteErrorLine(err, "warning: " + std::string(kUnreadableHijriOffsetText));
        }
    }
    return overrides.hijriOffsetDays.value_or(saved.offsetDays);
}

constexpr std::size_t kBytesPerDay = 320;

// Writes the computed timetable after what the run has written so far (printed), in the
// request's format; 1 with a message when the output cannot be written or the iCalendar events
// cannot be placed in time.
int WriteTimetable(const TimesRequest& request, const CityLocation& city,
                   const PrayerSettings& settings, const MethodChoice& choice,
                   const std::vector<DatedRow>& days, std::ostringstream printed, std::ostream& out,
                   std::ostream& err, const std::function<std::int64_t()>& nowUtc) {
    if (request.format == OutputFormat::Csv) {
        // Nothing can fail now but the writing itself: the CSV goes straight out in its blocks
        // (a year is about 100 KiB), with no copy of the whole text in memory.
        out << printed.view();
        WriteTimetableAsCsv(out, days, request.clock24);
        return WriteOutput(out, err, {});
    }
    // The output so far, with room for the whole timetable after it (a day takes about 300
    // bytes; the formats with more grow as usual): a year's text is written once, not copied
    // again at each doubling of the buffer.
    std::string room = std::move(printed).str();
    room.reserve(room.size() + days.size() * kBytesPerDay);
    std::ostringstream output(std::move(room), std::ios::out | std::ios::ate);
    switch (request.format) {
        case OutputFormat::Text:
            WriteTimetableAsText(output, city, settings, days, request.clock24, &choice);
            break;
        case OutputFormat::Csv:
            break;  // written above
        case OutputFormat::Json:
            WriteTimetableAsJson(output, city, settings, days, &choice, request.clock24);
            break;
        case OutputFormat::Ics: {
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
    const std::variant<TimesRequest, CitiesRequest, EarlyExit> parsed =
        ParseTimesArguments(argc, argv, buffer);
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

    // The settings file is read and parsed once, for every saved value the run uses.
    std::optional<SettingsSnapshot> savedFile;
    if (services.savedSettings != nullptr) {
        savedFile = ReadSettingsSnapshot(*services.savedSettings);
    }
    const SettingsSnapshot* savedSettings = savedFile ? &*savedFile : nullptr;
    PrayerSettings settings;
    CityLocation city;
    SettleSettings(services, savedSettings, request.overrides, settings, city);
    MethodChoice choice;
    if (savedSettings != nullptr) {
        const MethodSettings saved = LoadMethodSettings(*savedSettings);
        choice = saved.choice;
        if (const std::string warning = UnreadableValuesText("method", saved.unreadable);
            !warning.empty()) {
            WriteErrorLine(err, "warning: " + warning);
        }
    }
    ApplyMethodOverrides(request.methodOverrides, choice);
    const int hijriOffset = SettleHijriOffset(savedSettings, request.overrides, err);
    if (IsClassic(choice) && request.methodOverrides.ChangesAPreset()) {
        WriteErrorLine(
            err, "the classic method has no such parameters; choose a method with --preset ID");
        return 2;
    }
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
            ComputeDateRange(request.range->first, request.range->second, city, settings, choice,
                             request.source == LocationSource::Coordinates ? ZoneYears::EachYear
                                                                           : ZoneYears::AsGiven);
        if (rows) {
            days = std::move(*rows);
        }
    } else if (const std::optional<DatedRow> row = ComputeOneDay(*date, city, settings, choice)) {
        days.push_back(*row);
    }
    if (days.empty() && !city.zoneName.empty() && !IsKnownZone(city.zoneName)) {
        // A stored city's zone that names no zone file (a table or a README in the folder).
        WriteErrorLine(err, "unknown time zone " + QuotedValue(city.zoneName));
        return 1;
    }
    if (days.empty()) {
        WriteErrorLine(err,
                       "cannot read the daylight-saving rules of " + QuotedValue(city.zoneName));
        return 1;
    }
    if (!AddHijriDates(days, hijriOffset)) {
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
