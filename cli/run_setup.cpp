#include "cli/run_setup.h"

#include <string>

#include "cli/error_line.h"
#include "cli/notice_text.h"
#include "common/visible_text.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
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
    if (status == CityLookupStatus::kNotFound) {
        WriteErrorLine(err, "cannot find the city " + QuotedValue(searched));
    } else if (status == CityLookupStatus::kDatabaseUnavailable) {
        WriteErrorLine(err, "the city database " + services.cityDatabaseDescription +
                                " is missing or damaged; rebuild it with 'make' or reinstall "
                                "Orvanta");
    }
    return status == CityLookupStatus::kFound ? 0 : 1;
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

}  // namespace

int RunHijriOffset(const SettingsOverrides& overrides, const TimesServices& services,
                   std::ostream& err) {
    std::optional<SettingsSnapshot> savedFile;
    if (services.savedSettings != nullptr && !overrides.hijriOffsetDays) {
        savedFile = ReadSettingsSnapshot(*services.savedSettings);
    }
    return SettleHijriOffset(savedFile ? &*savedFile : nullptr, overrides, err);
}

int SetUpRun(const TimesRequest& request, const TimesServices& services, std::int16_t year,
             std::ostream& err, RunSetup& setup) {
    // The settings file is read and parsed once, for every saved value the run uses.
    std::optional<SettingsSnapshot> savedFile;
    if (services.savedSettings != nullptr) {
        savedFile = ReadSettingsSnapshot(*services.savedSettings);
    }
    const SettingsSnapshot* savedSettings = savedFile ? &*savedFile : nullptr;
    SettleSettings(services, savedSettings, request.overrides, setup.settings, setup.city);
    if (savedSettings != nullptr) {
        const MethodSettings saved = LoadMethodSettings(*savedSettings);
        setup.choice = saved.choice;
        if (const std::string warning = UnreadableValuesText("method", saved.unreadable);
            !warning.empty()) {
            WriteErrorLine(err, "warning: " + warning);
        }
    }
    ApplyMethodOverrides(request.methodOverrides, setup.choice);
    setup.hijriOffset = SettleHijriOffset(savedSettings, request.overrides, err);
    if (IsClassic(setup.choice) && request.methodOverrides.ChangesAPreset()) {
        WriteErrorLine(
            err, "the classic method has no such parameters; choose a method with --preset ID");
        return 2;
    }
    CityLocation& city = setup.city;
    if (request.source == LocationSource::kCoordinates) {
        city = request.city;
        if (!city.zoneName.empty() && !SettleNamedZone(city, year, err)) {
            return 1;
        }
        return 0;
    }
    if (request.source == LocationSource::kCityName) {
        city.name = request.city.name;
    }
    return LookUp(services, city, err);
}

int ReportNoDays(const CityLocation& city, std::ostream& err) {
    if (!city.zoneName.empty() && !IsKnownZone(city.zoneName)) {
        // A stored city's zone that names no zone file (a table or a README in the folder).
        WriteErrorLine(err, "unknown time zone " + QuotedValue(city.zoneName));
        return 1;
    }
    WriteErrorLine(err, "cannot read the daylight-saving rules of " + QuotedValue(city.zoneName));
    return 1;
}

}  // namespace orvanta
