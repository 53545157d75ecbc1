// Runs orvanta-times inside the test and keeps its status and what it printed; a scratch home
// whose files each run reads as the program reads them.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cities/home_city_store.h"
#include "cities/sqlite_city_store.h"
#include "cities/sqlite_db.h"
#include "cli/times_command.h"
#include "settings/settings_disk_file.h"
#include "tests/support/scratch_database.h"
#include "tests/support/test_city_database.h"

namespace orvanta::testing_support {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// A run of orvanta-times; its standard output goes to out when given, else into the result.
inline RunResult RunTimes(std::vector<std::string> args, const TimesServices& services,
                          std::ostream* out = nullptr) {
    args.insert(args.begin(), "orvanta-times");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream captured;
    std::ostringstream err;
    const int status = RunTimesCommand(static_cast<int>(argv.size()), argv.data(),
                                       out != nullptr ? *out : captured, err, services);
    return {status, captured.str(), err.str()};
}

// A run with nothing on disk: today's date and the clock of the calendar's stamps pinned.
inline TimesServices Pinned(CivilDate today, const CityStore* cities = nullptr,
                            const SettingsFile* saved = nullptr) {
    TimesServices services;
    services.today = [today] { return std::optional<CivilDate>(today); };
    services.nowUtc = [] { return std::int64_t{1718841600}; };  // 2024-06-20 00:00 UT
    services.cities = cities;
    services.savedSettings = saved;
    return services;
}

// A settings file holding the given registry values (lines "\"Name\"=value") under the program's
// key.
inline std::string RegistryExport(const std::string& values) {
    return "Windows Registry Editor Version 5.00\n\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n" +
           values + "\n";
}

// A city store that knows one city, by its exact name.
class OneCityStore final : public CityStore {
  public:
    explicit OneCityStore(CityLocation known) : city(std::move(known)) {}
    CityLookupStatus LookUp(CityLocation& target) const override {
        if (target.name != city.name) {
            return CityLookupStatus::kNotFound;
        }
        target = city;
        return CityLookupStatus::kFound;
    }
    CityLocation city;
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A folder with the city database cities.db (the tests' small database, 25 towns "Town 1" ..
// "Town 25", and the rows given), and the places of user.db and registry.reg. Each run opens
// them afresh, as one run of the program does.
class CliHome {
  public:
    explicit CliHome(const std::string& moreRows = "") {
        const std::string towns =
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 25)"
            " INSERT INTO cities SELECT i + 100, 'Town ' || i, 'town ' || i, 'Country', 'CC', '',"
            " 1000, 1000, 1, 1 FROM n;";
        built_ = BuildDatabase(cities, TestFoldSql() + kTestCities + towns + moreRows);
    }
    bool Built() const { return built_; }

    // A run with the stores of one run of the program.
    RunResult Run(const std::vector<std::string>& args, std::ostream* out = nullptr) const {
        NoticeList notices;
        const DiskSettingsFile saved(settings);
        const HomeCityStore home(user, &notices);
        const SqliteCityStore store(cities, true, user, &notices);
        TimesServices services = Pinned(today, &store, &saved);
        services.homeCity = &home;
        services.cityDatabaseDescription = cities.string();
        services.cityDatabasePath = cities;
        services.userDatabasePath = user;
        services.notices = &notices;
        return RunTimes(args, services, out);
    }

    ScratchFolder folder;
    std::filesystem::path cities = folder.Path() / "cities.db";
    std::filesystem::path user = folder.Path() / "data" / "orvanta" / "user.db";
    std::filesystem::path settings = folder.Path() / "config" / "orvanta" / "registry.reg";
    CivilDate today{2026, 3, 20};

  private:
    bool built_ = false;
};

}  // namespace orvanta::testing_support
