// orvanta-times end to end: worked times, where the city and settings come from, and every
// refused argument giving status 2 with one line on standard error and nothing on output.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cities/city_database_path.h"
#include "cities/sqlite_city_store.h"
#include "run_times.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

using testing_support::RunResult;
using testing_support::RunTimes;
using testing_support::With;

// A city store that knows one city and records what it was asked.
class OneCityStore final : public CityStore {
  public:
    CityLocation city;
    bool unavailable = false;
    mutable std::vector<std::string> asked;
    CityLookupStatus LookUp(CityLocation& target, const MessageFn& showMessage) const override {
        asked.push_back(target.name);
        if (unavailable) {
            return CityLookupStatus::DatabaseUnavailable;
        }
        if (target.name != city.name) {
            showMessage(kCityNotFoundText, kCityNotFoundCaption);
            return CityLookupStatus::NotFound;
        }
        target = city;
        return CityLookupStatus::Found;
    }
};

class FixedHomeCity final : public HomeCitySource {
  public:
    bool ReadHomeCity(CityLocation& city) const override {
        city.name = "Hobart";
        return true;
    }
};

RunResult RunCli(std::vector<std::string> args,
                 std::optional<CivilDate> today = CivilDate{2024, 6, 20}) {
    TimesServices services;
    services.today = [today] { return today; };
    return RunTimes(std::move(args), services);
}

// The lines of the timetable itself: those after the header's blank line.
std::vector<std::string> BodyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text.substr(text.find("\n\n") + 2));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

const std::vector<std::string> kDetroit = {
    "--lat", "42.333333333333336", "--lon", "-83.05", "--zone", "-5", "--dst"};
const std::vector<std::string> kMecca = {
    "--lat", "21.416666666666668", "--lon", "39.81666666666667", "--zone", "3"};

// Published times (Detroit, 20 June 2024, daylight saving time: sunrise 5:56 AM, sunset
// 9:12 PM) and times from the NOAA solar equations computed separately (Mecca, 18 deg).
TEST(TimesCommand, WorkedTimesOfADay) {
    const RunResult detroit = RunCli(kDetroit);
    ASSERT_EQ(detroit.status, 0) << detroit.err;
    EXPECT_EQ(detroit.err, "");
    const std::vector<std::string> lines = BodyLines(detroit.out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "Shuruq (Sunrise)    5:56 AM");
    EXPECT_EQ(lines[4], "Maghrib (Sunset)    9:12 PM");
    EXPECT_EQ(
        BodyLines(RunCli(With(kMecca, {"--date", "2026-03-20"})).out),
        (std::vector<std::string>{"Fajr (Dawn)         5:11 AM", "Shuruq (Sunrise)    6:25 AM",
                                  "Zuhr (Noon)        12:28 PM", "Asr (Afternoon)     3:53 PM",
                                  "Maghrib (Sunset)    6:32 PM", "Isha (Night)        7:46 PM"}));
}

// One row per check of the options.
TEST(TimesCommand, RefusedArgumentsGiveStatusTwoAndOneLineOnly) {
    const std::vector<std::vector<std::string>> refused = {
        {"--lat", "91", "--lon", "0", "--zone", "0"},
        {"--lat", "10", "--lon", "180.01", "--zone", "0"},
        {"--lat", "10", "--lon", "0", "--zone", "15"},
        {"--lat", "10", "--lon", "0", "--zone", "+-3"},
        {"--lat", "10", "--lon", "0"},
        {"--lat", "1", "--lon", "1", "--tz", "Australia/Adelaid"},
        {"--lat", "1", "--lon", "1", "--tz", "Europe/London", "--zone", "0"},
        {"--lat", "1", "--lon", "1", "--tz", "Europe/London", "--dst"},
        {"--city", "Adelaide", "--lat", "1", "--lon", "1", "--zone", "0"},
        With(kDetroit, {"--date", "2023-02-29"}),
        With(kDetroit, {"--date", "2024-6-1"}),
        With(kDetroit, {"--method", "both"}),
        With(kDetroit, {"--asr", "maliki"}),
        With(kDetroit, {"--format", "xml"}),
        With(kDetroit, {"--depression", "-1"}),
        With(kDetroit, {"--interval", "1e9"}),
        With(kDetroit, {"--bogus"}),
        With(kDetroit, {"extra"}),
        With(kDetroit, {"--month", "2024-13"}),
        With(kDetroit, {"--year", "10000"}),
        With(kDetroit, {"--from", "2024-01-01"}),
        With(kDetroit, {"--from", "2024-01-02", "--to", "2024-01-01"}),
        With(kDetroit, {"--from", "2024-01-01", "--to", "2034-01-01"}),  // 3654 days
        With(kDetroit, {"--date", "2024-01-01", "--month", "2024-01"}),
    };
    for (const auto& args : refused) {
        const RunResult run = RunCli(args);
        const std::string joined = testing::PrintToString(args);
        EXPECT_EQ(run.status, 2) << joined;
        EXPECT_EQ(run.out, "") << joined;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << joined << run.err;
        EXPECT_EQ(run.err.rfind("orvanta-times: ", 0), 0u) << run.err;
    }
}

TEST(TimesCommand, AcceptsTheLimitsOfEveryRange) {
    struct Row {
        std::vector<std::string> args;
        std::size_t lines;
    };
    for (const Row& row : std::vector<Row>{
             {{"--lat", "90", "--lon", "180", "--zone", "+14", "--format", "csv"}, 7},
             {{"--lat", "-90", "--lon", "-180", "--zone", "-12", "--format", "csv"}, 7},
             {With(kDetroit, {"--from", "2024-01-01", "--to", "2033-12-31", "--format", "csv"}),
              1 + 6 * 3653},
             {With(kDetroit, {"--year", "9999", "--format", "csv"}), 1 + 6 * 365},
             {With(kDetroit, {"--date", "0001-01-01", "--format", "csv"}), 7},
             {With(kDetroit, {"--month", "2023-02", "--format", "csv"}), 1 + 6 * 28}}) {
        const RunResult run = RunCli(row.args);
        ASSERT_EQ(run.status, 0) << testing::PrintToString(row.args) << run.err;
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')),
                  row.lines);
    }
}

// Adelaide: +10:30 in its southern summer, +9:30 in winter; Kathmandu +5:45 all year; Detroit
// changes on 8 March 2026.
TEST(TimesCommand, NamedZoneGivesTheOffsetTheClockShowsThatDay) {
    for (const auto& [tz, date, fixedZone] :
         std::vector<std::array<const char*, 3>>{{"Australia/Adelaide", "2026-01-15", "10.5"},
                                                 {"Australia/Adelaide", "2026-07-15", "9.5"},
                                                 {"Asia/Kathmandu", "2026-03-01", "5.75"},
                                                 {"America/Detroit", "2026-03-06", "-5"},
                                                 {"America/Detroit", "2026-03-08", "-4"}}) {
        const RunResult named =
            RunCli({"--lat", "-34.93", "--lon", "138.6", "--tz", tz, "--date", date});
        const RunResult fixed =
            RunCli({"--lat", "-34.93", "--lon", "138.6", "--zone", fixedZone, "--date", date});
        ASSERT_EQ(named.status, 0) << named.err;
        EXPECT_EQ(BodyLines(named.out), BodyLines(fixed.out)) << tz << " " << date;
    }
}

// Saved settings, with a stored method other than 0 and 1 (any nonzero method is the
// interval): Fajr is the saved 80 minutes before sunrise.
TEST(TimesCommand, CityAndSettingsComeFromTheSavedSettingsTheHomeCityOrTheOption) {
    OneCityStore store;
    store.city.name = "Adelaide";
    store.city.latitudeRad = -0.6097;
    store.city.longitudeRad = -2.4190;
    store.city.zoneHours = 9.5;
    store.city.zoneName = "Australia/Adelaide";
    MemorySettingsFile saved;
    saved.content =
        "Windows Registry Editor Version "
        "5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n"
        "\"SunRise\"=dword:00000002\n\"Interval\"=dword:00000050\n\"City\"=\"Adelaide\"\n";
    TimesServices services;
    services.today = [] { return CivilDate{2026, 1, 15}; };
    services.savedSettings = &saved;
    services.cities = &store;
    const RunResult fromSettings = RunTimes({"--format", "json"}, services);
    ASSERT_EQ(fromSettings.status, 0) << fromSettings.err;
    EXPECT_EQ(store.asked.back(), "Adelaide");
    const nlohmann::json day = nlohmann::json::parse(fromSettings.out).at("days").at(0);
    EXPECT_NEAR(
        day.at("hours").at("shuruq").get<double>() - day.at("hours").at("fajr").get<double>(),
        80.0 / 60.0, 1e-5);
    EXPECT_EQ(day.at("utcOffset"), "+10:30");

    const FixedHomeCity home;
    services.homeCity = &home;
    const RunResult fromHome = RunTimes({}, services);
    EXPECT_EQ(fromHome.status, 1);
    EXPECT_EQ(fromHome.out, "");
    EXPECT_EQ(fromHome.err, "orvanta-times: cannot find the city \"Hobart\"\n");
    EXPECT_EQ(RunTimes({"--city", "Adelaide"}, services).status, 0);
    EXPECT_EQ(saved.replaceCount, 0) << "the command line never saves settings";
}

// Status 1 with one line and nothing on standard output: no clock, no database, a damaged one.
TEST(TimesCommand, UnusableClockOrCityDatabaseIsStatusOne) {
    testing_support::ScratchFolder folder;
    const auto damaged = testing_support::MakeDamagedCityDatabases(folder.Path());
    ASSERT_FALSE(damaged.empty());
    const SqliteCityStore damagedStore(damaged[1].path);  // cut in half
    OneCityStore unavailable;
    unavailable.unavailable = true;
    TimesServices services;
    services.today = [] { return CivilDate{2026, 1, 15}; };
    const std::vector<std::pair<const CityStore*, std::string>> stores = {
        {nullptr, ""}, {&unavailable, "/nowhere/cities.db"}, {&damagedStore, damaged[1].path}};
    for (const auto& [store, description] : stores) {
        services.cities = store;
        services.cityDatabaseDescription = description;
        const RunResult run = RunTimes({"--city", "Mecca"}, services);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(description), std::string::npos) << run.err;
    }
    EXPECT_NE(RunTimes({"--city", "Mecca"}, services).err.find("damaged"), std::string::npos);
    const RunResult noClock = RunCli(kDetroit, std::nullopt);
    EXPECT_EQ(noClock.status, 1);
    EXPECT_EQ(noClock.out, "");
}

// The built database through the real lookup: the city found, its hemispheres and its zone.
TEST(TimesCommand, ShippedDatabaseFindsWorkedNames) {
    const SqliteCityStore store(ShippedCityDatabasePath());
    TimesServices services;
    services.today = [] { return CivilDate{2026, 1, 15}; };
    services.cities = &store;
    for (const auto& [query, city, position, zone] : std::vector<std::array<const char*, 4>>{
             {"Cologne", "K\xC3\xB6ln", "N 6", "Europe/Berlin"},
             {"  SAO   PAULO ", "S\xC3\xA3o Paulo", "S 46", "America/Sao_Paulo"},
             {"Sa\xCC\x83o Paulo", "S\xC3\xA3o Paulo", "S 46", "America/Sao_Paulo"},
             {"Chittagong", "Chattogram", "N 91", "Asia/Dhaka"},
             {"Detroit", "Detroit, MI", "N 83", "America/Detroit"},
             {"Birmingham", "Birmingham", "N 1", "Europe/London"},
             {"Birmingham, AL", "Birmingham, AL", "N 86", "America/Chicago"},
             {"Tripoli", "Tripoli", "N 13", "Africa/Tripoli"},
             {"Houston", "Houston, TX", "N 95", "America/Chicago"},
             {"Adelaide", "Adelaide", "S 138", "Australia/Adelaide"},
             {"Kathmandu", "Kathmandu", "N 85", "Asia/Kathmandu"},
             {"Mecca", "Mecca", "N 39", "Asia/Riyadh"}}) {
        const RunResult run = RunTimes({"--city", query}, services);
        ASSERT_EQ(run.status, 0) << query << run.err;
        EXPECT_NE(run.out.find(std::string("City:     ") + city + "\n"), std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find(position), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(std::string("Zone:     ") + zone), std::string::npos) << run.out;
    }
}

TEST(TimesCommand, HelpAndVersionSucceed) {
    EXPECT_NE(RunCli({"--help"}).out.find("--lat"), std::string::npos);
    const RunResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("orvanta-times 1.0.0"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
