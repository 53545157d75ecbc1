// orvanta-times: the six prayer times of a day on standard output.
#include <iostream>
#include <memory>

#include "cli/times_command.h"
#include "location/city_database_path.h"
#include "location/home_city_store.h"
#include "location/settings_disk_file.h"
#include "location/sqlite_city_store.h"

int main(int argc, char** argv) {
    using namespace orvanta;
    TimesServices services;
    services.today = LocalDateToday;

    std::unique_ptr<DiskSettingsFile> savedSettings;
    if (const auto path = UserSettingsFilePath()) {
        savedSettings = std::make_unique<DiskSettingsFile>(*path);
        services.savedSettings = savedSettings.get();
    }
    const HomeCityStore homeCity;
    services.homeCity = &homeCity;
    const SqliteCityStore cities(ShippedCityDatabasePath());
    services.cities = &cities;
    services.cityDatabaseDescription = cities.DatabasePath().string();
    return RunTimesCommand(argc, argv, std::cout, std::cerr, services);
}
