// orvanta-times end to end: worked times, the ranges accepted, where the city and settings
// come from, unusable clocks and databases, and the names the shipped database finds.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cities/city_database_path.h"
#include "cities/sqlite_city_store.h"
#include "command_table.h"
#include "settings/settings_memory_file.h"

namespace orvanta {
namespace {

using testing_support::Pinned;
using testing_support::RunResult;
using testing_support::RunTimes;

// Published times (Detroit, 20 June 2024, daylight saving time: sunrise 5:56 AM, sunset
// 9:12 PM) and times from the NOAA solar equations computed separately (Mecca, 18 deg; Hanafi
// Asr 16.8379 h); then the limits of every range, each accepted; the version and a command's help.
const char* const kRows = R"(
0 @detroit-dst --date 2024-06-20 | Shuruq (Sunrise)    5:56 AM | Maghrib (Sunset)    9:12 PM
0 @mecca --date 2026-03-20 | Fajr (Dawn)         5:11 AM | Shuruq (Sunrise)    6:25 AM | Jumu'ah (Friday)   12:28 PM | Asr (Afternoon)     3:53 PM | Maghrib (Sunset)    6:32 PM | Isha (Night)        7:46 PM
0 @mecca --date 2024-03-20 --asr hanafi | Asr (Afternoon)     4:50 PM | Asr Hanafi (shadow factor 2)
0 --lat 90 --lon 180 --zone +14 --format csv | date,prayer,hours,time,hijri
0 --lat -90 --lon -180 --zone -12 --format csv | date,prayer,hours,time,hijri
0 @detroit-dst --from 2024-01-01 --to 2033-12-31 --format csv | 2033-12-31,Isha,
0 @detroit-dst --year 9999 --format csv | 9999-12-31,Isha,
0 @detroit-dst --date 0001-01-01 --format csv | 0001-01-01,Isha,
0 --version | orvanta-times 1.0.0
0 cities search --help | --limit N
)";

TEST(TimesCommand, WorkedTimesAndTheLimitsOfEveryRange) {
    EXPECT_EQ(testing_support::ExpectCommands(kRows, Pinned({2024, 6, 20})), 10u);
    const RunResult month = RunTimes(
        testing_support::Args("@detroit-dst --month 2023-02 --format csv"), Pinned({2024, 6, 20}));
    EXPECT_EQ(std::count(month.out.begin(), month.out.end(), '\n'), 1 + 6 * 28);
}

// Saved settings, with a stored method other than 0 and 1 (any nonzero method is the
// interval): Fajr is the saved 80 minutes before sunrise. A home city is looked up by name.
TEST(TimesCommand, CityAndSettingsComeFromTheSavedSettingsTheHomeCityOrTheOption) {
    const testing_support::OneCityStore store({.name = "Adelaide",
                                               .latitudeRad = -0.6097,
                                               .longitudeRad = -2.4190,
                                               .zoneHours = 9.5,
                                               .zoneName = "Australia/Adelaide"});
    MemorySettingsFile saved;
    saved.content = testing_support::RegistryExport(
        "\"SunRise\"=dword:00000002\n\"Interval\"=dword:00000050\n\"City\"=\"Adelaide\"");
    TimesServices services = Pinned({2026, 1, 15}, &store, &saved);
    const RunResult fromSettings = RunTimes({"--format", "json"}, services);
    ASSERT_EQ(fromSettings.status, 0) << fromSettings.err;
    const nlohmann::json day = nlohmann::json::parse(fromSettings.out).at("days").at(0);
    EXPECT_NEAR(
        day.at("hours").at("shuruq").get<double>() - day.at("hours").at("fajr").get<double>(),
        80.0 / 60.0, 1e-5);
    EXPECT_EQ(day.at("utcOffset"), "+10:30");

    struct : HomeCitySource {
        bool ReadHomeCity(CityLocation& city) const override {
            city.name = "Hobart";
            return true;
        }
    } home;
    services.homeCity = &home;
    testing_support::ExpectRun({{}, 1, "cannot find the city \"Hobart\""}, RunTimes({}, services));
    EXPECT_EQ(RunTimes({"--city", "Adelaide"}, services).status, 0);
    EXPECT_EQ(saved.replaceCount, 0) << "the command line never saves settings";
}

// Status 1 with one line and nothing on standard output: no clock, no city database, one
// damaged (cut in half) for every command that reads it.
const char* const kNoCityDatabase = R"(
1 --city Mecca | the city database */cities.db is missing or damaged; rebuild it with 'make' or reinstall Orvanta
1 cities search me | the city database */cities.db is missing or cannot be read
1 cities home Mecca | the city database */cities.db is missing or damaged
1 cities add Village --lat 1 --lon 1 --tz UTC | the city database */cities.db is missing or damaged
)";

TEST(TimesCommand, UnusableClockOrCityDatabaseIsStatusOne) {
    TimesServices noClock;
    noClock.today = [] { return std::optional<CivilDate>(); };
    testing_support::ExpectRun({{}, 1, "cannot read today's date from the system clock"},
                               RunTimes(testing_support::Args("@detroit-dst"), noClock));
    testing_support::ExpectRun({{}, 1, "no city database is available"},
                               RunTimes({"--city", "Mecca"}, Pinned({2024, 6, 20})));

    const testing_support::CliHome home;
    const std::string bytes = testing_support::ReadBytes(home.cities);
    testing_support::WriteBytes(home.cities, bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(testing_support::ExpectCommands(kNoCityDatabase, home), 4u);
}

// The built database through --city and `cities search`: what the search offers first is the
// city --city takes, with its hemispheres and zone. One row per way a name is found: the English
// name, case and spaces, a combining accent, a plain name qualified by its region, an alias, the
// Arabic script, Chennai (4.7 million people) for "Madras" rather than Madras, Oregon; an old name
// never takes a sizable place's own name ("Salem", an old name of Jerusalem, is Salem, India;
// "Sion" is Sion, Switzerland) and a small place keeps its own name though it is another's old
// name (Landen). Dubai at its centre on the Creek (25°15′47″ N 55°17′50″ E), not 20 km south.
TEST(TimesCommand, ShippedDatabaseFindsTheNamesPeopleType) {
    const SqliteCityStore store(ShippedCityDatabasePath());
    TimesServices services = Pinned({2026, 1, 15}, &store);
    services.cityDatabasePath = ShippedCityDatabasePath();
    const struct {
        const char* typed;
        const char* city;
        const char* position;  // a part of the Position line
        const char* zone;
    } rows[] = {
        {"Cologne", "K\xC3\xB6ln", "N 6", "Europe/Berlin"},
        {"  SAO   PAULO ", "S\xC3\xA3o Paulo", "S 46", "America/Sao_Paulo"},
        {"Sa\xCC\x83o Paulo", "S\xC3\xA3o Paulo", "S 46", "America/Sao_Paulo"},
        {"Detroit", "Detroit, MI", "N 83", "America/Detroit"},
        {"Birmingham, AL", "Birmingham, AL", "N 86", "America/Chicago"},
        {"Makkah", "Mecca", "N 39", "Asia/Riyadh"},
        {"\u0645\u0643\u0629", "Mecca", "", ""},  // Arabic
        {"Dubai", "Dubai", "25\u00B016\u2032 N 55\u00B018\u2032 E", "Asia/Dubai"},
        {"Madras", "Chennai", "", ""},
        {"Salem", "Salem", "", ""},
        {"Sion", "Sitten", "", ""},
        {"Landen", "Landen", "", ""},
    };
    for (const auto& row : rows) {
        const std::string shown = RunTimes({"--city", row.typed}, services).out;
        const std::string offer =
            RunTimes({"cities", "search", row.typed, "--limit", "1"}, services).out;
        const std::string expected = std::string("City:     ") + row.city + "\nPosition: *" +
                                     row.position + "*\nZone:     " + row.zone + "*";
        EXPECT_EQ(::fnmatch(expected.c_str(), shown.c_str(), FNM_NOESCAPE), 0) << shown;
        EXPECT_NE(offer.find(std::string("\n") + row.city + "  "), std::string::npos) << offer;
    }
    // The search shows the country and the region, each in its own column.
    const std::string mecca = RunTimes({"cities", "search", "Mecca", "--limit", "1"}, services).out;
    EXPECT_EQ(::fnmatch("*\nMecca *Saudi Arabia *Mecca Region *", mecca.c_str(), 0), 0) << mecca;
}

}  // namespace
}  // namespace orvanta
