// The window's services realised by the location layer and the system: the settings file, the
// city database, the per-user home city, the system's zone rules and the system clock.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "app/system/services.h"
#include "app/system/system_clock.h"
#include "cities/city_database_path.h"
#include "cities/home_city_store.h"
#include "cities/sqlite_city_store.h"
#include "settings/settings_disk_file.h"

namespace orvanta {

// LookUpCity over the city database installed with the program.
class DatabaseCityLookup final : public CityLookup {
  public:
    // The user's own cities in userDatabasePath (user.db) are found before the shipped ones.
    DatabaseCityLookup(std::filesystem::path databasePath,
                       std::optional<std::filesystem::path> userDatabasePath,
                       NoticeList* notices = nullptr);
    CityLookupStatus LookUpCity(CityLocation& city) const override;

  private:
    SqliteCityStore store_;
};

// The settings in the per-user registry file, with the home city settling the lookup name.
// Load reads and parses the file; the other loads use what it read (one parse for the whole
// start, however large the file) until the next save, or read the file themselves when Load
// has not run.
class FileSettingsStorage final : public SettingsStorage {
  public:
    // settingsFile: the registry file (nothing: loads give the defaults, saves fail).
    FileSettingsStorage(const std::optional<std::filesystem::path>& settingsFile,
                        const HomeCitySource& homeCity, NoticeList* notices = nullptr);
    void Load(PrayerSettings& settings, CityLocation& city) override;
    bool Save(const PrayerSettings& settings) override;
    MethodSettings LoadMethod() override;
    bool SaveWithMethod(const PrayerSettings& settings, const MethodSettings& method) override;
    HijriSettings LoadHijri() override;
    bool SaveHijriOffset(int offsetDays) override;
    ReminderSettings LoadReminders() override;
    bool SaveReminders(const ReminderSettings& reminders) override;
    CompanionSettings LoadCompanion() override;
    bool SaveCompanion(const CompanionSettings& companion) override;
    DisplaySettings LoadDisplay() override;
    bool SaveDisplay(const DisplaySettings& display) override;
    bool SaveAll(const PrayerSettings& settings, const SettingsGroups& groups) override;

  private:
    DiskSettingsFile file_;
    const HomeCitySource& homeCity_;
    NoticeList* notices_;
    std::optional<SettingsSnapshot> loaded_;  // dropped by every save
};

// Completions from the city database installed with the program.
class DatabaseCitySuggestions final : public CitySuggestions {
  public:
    DatabaseCitySuggestions(std::filesystem::path databasePath,
                            std::optional<std::filesystem::path> userDatabasePath,
                            NoticeList* notices = nullptr);
    std::vector<std::string> Suggest(std::string_view typed, std::size_t limit) const override;
    std::optional<NearestCity> Nearest(double latitudeDeg, double longitudeDeg) const override;

  private:
    std::filesystem::path databasePath_;
    std::optional<std::filesystem::path> userDatabasePath_;
    NoticeList* notices_;
};

// All of them together, for the program's one window.
class RealServices {
  public:
    // showMessage: the message box to report through; cityDatabase: the shipped city database.
    explicit RealServices(MessageFn showMessage,
                          const std::filesystem::path& cityDatabase = ShippedCityDatabasePath());
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    const Services& Get() const { return services_; }

  private:
    NoticeList notices_;
    SystemClock clock_;
    HomeCityStore homeCity_;
    DatabaseCityLookup cities_;
    FileSettingsStorage settings_;
    SystemZoneRules zones_;
    DatabaseCitySuggestions suggestions_;
    Services services_;
};

}  // namespace orvanta
