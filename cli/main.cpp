// orvanta-times: prayer timetables on standard output, and the city databases.
#include <chrono>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

#include "cities/city_database_path.h"
#include "cities/home_city_store.h"
#include "cities/sqlite_city_store.h"
#include "cities/sqlite_db.h"
#include "cli/times_command.h"
#include "settings/settings_disk_file.h"

namespace {

// The database for an error message: its path when one was found or named, else
// "cities.db (looked for at A, B, C)".
std::string DescribeCityDatabase(const orvanta::CityDatabaseLocation& location) {
    if (location.found || location.tried.size() <= 1) {
        return location.path.string();
    }
    std::string text = "cities.db (looked for at ";
    for (std::size_t i = 0; i < location.tried.size(); ++i) {
        text += (i == 0 ? "" : ", ") + location.tried[i].string();
    }
    return text + ")";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvanta;
    UseSqliteForShortRuns();  // before any database is opened
    TimesServices services;
    services.today = LocalDateToday;
    NoticeList notices;
    services.notices = &notices;

    std::unique_ptr<DiskSettingsFile> savedSettings;
    if (const auto path = UserSettingsFilePath()) {
        savedSettings = std::make_unique<DiskSettingsFile>(*path);
        services.savedSettings = savedSettings.get();
    }
    const HomeCityStore homeCity(&notices);
    services.homeCity = &homeCity;
    services.userDatabasePath = DefaultUserDatabasePath();
    const CityDatabaseLocation shipped = LocateShippedCityDatabase();
    services.cityDatabasePath = shipped.path;
    // The user's own cities are found first; the shipped database is only ever read.
    const SqliteCityStore cities(services.cityDatabasePath, /*immutable=*/true,
                                 services.userDatabasePath, &notices);
    services.cities = &cities;
    // Names every path tried when none held the database.
    services.cityDatabaseDescription = DescribeCityDatabase(shipped);
    services.nowUtc = [] {
        return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                             std::chrono::system_clock::now().time_since_epoch())
                                             .count());
    };
    return RunTimesCommand(argc, argv, std::cout, std::cerr, services);
}
