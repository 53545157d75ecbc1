#include "app/real_services.h"

#include <utility>

#include "cities/city_search.h"
#include "settings/settings_store.h"
#include "zones/zone_rules.h"

namespace orvanta {

DatabaseCityLookup::DatabaseCityLookup(std::filesystem::path databasePath,
                                       std::optional<std::filesystem::path> userDatabasePath)
    : store_(std::move(databasePath), /*immutable=*/true, std::move(userDatabasePath)) {}

bool DatabaseCityLookup::LookUpCity(CityLocation& city, const MessageFn& showMessage) const {
    return store_.LookUpCity(city, showMessage);
}

FileSettingsStorage::FileSettingsStorage(const std::optional<std::filesystem::path>& settingsFile,
                                         const HomeCitySource& homeCity)
    : file_(settingsFile.value_or(std::filesystem::path())), homeCity_(homeCity) {}

void FileSettingsStorage::Load(PrayerSettings& settings, CityLocation& city) {
    LoadSettings(file_, homeCity_, settings, city);
}

bool FileSettingsStorage::Save(const PrayerSettings& settings) {
    return SaveSettings(file_, settings);
}

std::optional<DaylightShiftTable> SystemZoneRules::Shifts(std::string_view zoneName,
                                                          std::int16_t year,
                                                          double zoneHours) const {
    return ZoneDaylightShifts(zoneName, year, zoneHours);
}

DatabaseCitySuggestions::DatabaseCitySuggestions(
    std::filesystem::path databasePath, std::optional<std::filesystem::path> userDatabasePath)
    : databasePath_(std::move(databasePath)), userDatabasePath_(std::move(userDatabasePath)) {}

std::vector<std::string> DatabaseCitySuggestions::Suggest(std::string_view typed,
                                                          std::size_t limit) const {
    return SearchCityNames(databasePath_, typed, limit, userDatabasePath_);
}

RealServices::RealServices(MessageFn showMessage, const std::filesystem::path& cityDatabase)
    : cities_(cityDatabase, DefaultUserDatabasePath()),
      settings_(UserSettingsFilePath(), homeCity_),
      suggestions_(cityDatabase, DefaultUserDatabasePath()),
      services_{
          clock_, cities_, homeCity_, settings_, zones_, suggestions_, std::move(showMessage)} {}

}  // namespace orvanta
