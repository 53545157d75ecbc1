#include "app/system/real_services.h"

#include <utility>

#include "cities/city_nearest.h"
#include "cities/city_search.h"
#include "cities/printed_timetable_store.h"
#include "settings/settings_store.h"

namespace orvanta {

DatabaseCityLookup::DatabaseCityLookup(std::filesystem::path databasePath,
                                       std::optional<std::filesystem::path> userDatabasePath,
                                       NoticeList* notices)
    : store_(std::move(databasePath), /*immutable=*/true, std::move(userDatabasePath), notices) {}

CityLookupStatus DatabaseCityLookup::LookUpCity(CityLocation& city) const {
    return store_.LookUp(city);
}

FileSettingsStorage::FileSettingsStorage(const std::optional<std::filesystem::path>& settingsFile,
                                         const HomeCitySource& homeCity, NoticeList* notices)
    : file_(settingsFile.value_or(std::filesystem::path())),
      homeCity_(homeCity),
      notices_(notices) {}

void FileSettingsStorage::Load(PrayerSettings& settings, CityLocation& city) {
    loaded_ = ReadSettingsSnapshot(file_);
    LoadSettings(*loaded_, homeCity_, settings, city, notices_);
}

bool FileSettingsStorage::Save(const PrayerSettings& settings) {
    loaded_.reset();
    return SaveSettings(file_, settings, notices_);
}

MethodSettings FileSettingsStorage::LoadMethod() {
    return loaded_ ? LoadMethodSettings(*loaded_) : LoadMethodSettings(file_);
}

bool FileSettingsStorage::SaveWithMethod(const PrayerSettings& settings,
                                         const MethodSettings& method) {
    loaded_.reset();
    return SaveSettings(file_, settings, &method, notices_);
}

HijriSettings FileSettingsStorage::LoadHijri() {
    return loaded_ ? LoadHijriSettings(*loaded_) : LoadHijriSettings(file_);
}

bool FileSettingsStorage::SaveHijriOffset(int offsetDays) {
    loaded_.reset();
    return orvanta::SaveHijriOffset(file_, offsetDays, notices_);
}

ReminderSettings FileSettingsStorage::LoadReminders() {
    return loaded_ ? LoadReminderSettings(*loaded_) : LoadReminderSettings(file_);
}

bool FileSettingsStorage::SaveReminders(const ReminderSettings& reminders) {
    loaded_.reset();
    return SaveReminderSettings(file_, reminders, notices_);
}

CompanionSettings FileSettingsStorage::LoadCompanion() {
    return loaded_ ? LoadCompanionSettings(*loaded_) : LoadCompanionSettings(file_);
}

bool FileSettingsStorage::SaveCompanion(const CompanionSettings& companion) {
    loaded_.reset();
    return SaveCompanionSettings(file_, companion, notices_);
}

DisplaySettings FileSettingsStorage::LoadDisplay() {
    return loaded_ ? LoadDisplaySettings(*loaded_) : LoadDisplaySettings(file_);
}

bool FileSettingsStorage::SaveDisplay(const DisplaySettings& display) {
    loaded_.reset();
    return SaveDisplaySettings(file_, display, notices_);
}

bool FileSettingsStorage::SaveAll(const PrayerSettings& settings, const SettingsGroups& groups) {
    loaded_.reset();
    return SaveSettingsGroups(file_, settings, groups, notices_);
}

DatabaseCitySuggestions::DatabaseCitySuggestions(
    std::filesystem::path databasePath, std::optional<std::filesystem::path> userDatabasePath,
    NoticeList* notices)
    : databasePath_(std::move(databasePath)),
      userDatabasePath_(std::move(userDatabasePath)),
      notices_(notices) {}

std::vector<std::string> DatabaseCitySuggestions::Suggest(std::string_view typed,
                                                          std::size_t limit) const {
    return SearchCityNames(databasePath_, typed, limit, userDatabasePath_, notices_);
}

std::optional<CitySuggestions::NearestCity> DatabaseCitySuggestions::Nearest(
    double latitudeDeg, double longitudeDeg) const {
    const NearestCitiesResult found =
        FindNearestCities(databasePath_, latitudeDeg, longitudeDeg, 1);
    if (found.rows.empty()) {
        return std::nullopt;
    }
    return NearestCity{found.rows.front().city.name, found.rows.front().distanceKm};
}

RealServices::RealServices(MessageFn showMessage, const std::filesystem::path& cityDatabase)
    : homeCity_(&notices_),
      cities_(cityDatabase, DefaultUserDatabasePath(), &notices_),
      settings_(UserSettingsFilePath(), homeCity_, &notices_),
      suggestions_(cityDatabase, DefaultUserDatabasePath(), &notices_),
      services_{
          clock_,   cities_, homeCity_, settings_, zones_, suggestions_, std::move(showMessage),
          &notices_} {
    // Read afresh for each computation, so that an import from the command line shows at the
    // next refresh.
    services_.printedDays = [this](const std::string& city, std::int64_t first, std::int64_t last) {
        const std::optional<std::filesystem::path> path = DefaultUserDatabasePath();
        return path ? ReadPrintedDays(*path, city, first, last, &notices_) : PrintedDays{};
    };
}

}  // namespace orvanta
