// orvanta-times end to end: worked times, the ranges accepted, where the city and settings
// come from, unusable clocks and databases, and the names the shipped database finds.
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

namespace orvanta {
namespace {

using testing_support::RunResult;
using testing_support::RunTimes;
using testing_support::With;

// A city store that knows one city and records what it was asked.
class OneCityStore final : public CityStore {
  public:
    CityLocation city;
    mutable std::vector<std::string> asked;
    CityLookupStatus LookUp(CityLocation& target, const MessageFn& showMessage) const override {
        asked.push_back(target.name);
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
    return testing_support::Lines(text.substr(text.find("\n\n") + 2));
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

// Status 1 with one line and nothing on standard output: no clock, no city database, one
// damaged (cut in half) for every command that reads it.
TEST(TimesCommand, UnusableClockOrCityDatabaseIsStatusOne) {
    const RunResult noClock = RunCli(kDetroit, std::nullopt);
    EXPECT_EQ(noClock.status, 1);
    EXPECT_EQ(noClock.out, "");
    EXPECT_EQ(RunCli({"--city", "Mecca"}).err, "orvanta-times: no city database is available\n");

    const testing_support::CliHome home;
    const std::string bytes = testing_support::ReadBytes(home.cities);
    testing_support::WriteBytes(home.cities, bytes.substr(0, bytes.size() / 2));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--city", "Mecca"},
             {"cities", "search", "me"},
             {"cities", "home", "Mecca"},
             {"cities", "add", "Village", "--lat", "1", "--lon", "1", "--tz", "UTC"}}) {
        const RunResult run = home.Run(args);
        EXPECT_EQ(run.status, 1) << args[1];
        EXPECT_EQ(run.out, "") << args[1];
        EXPECT_EQ(
            run.err.rfind(
                "orvanta-times: the city database " + home.cities.string() + " is missing or ", 0),
            0u)
            << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// The built database through --city and `cities search`: what the search offers first is the
// city --city takes, with its hemispheres and zone. Chennai (4.7 million people) for "Madras"
// rather than Madras, Oregon (6,700); an old name never takes a sizable place's own name
// ("Salem", an old name of Jerusalem, is Salem, India; "Sion" is Sion, Switzerland); small
// places whose own names are also another's old names (London, Rio de Janeiro, Tashkent)
// keep them.
TEST(TimesCommand, ShippedDatabaseFindsTheNamesPeopleType) {
    const SqliteCityStore store(ShippedCityDatabasePath());
    TimesServices services;
    services.today = [] { return CivilDate{2026, 1, 15}; };
    services.cities = &store;
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
        {"Chittagong", "Chattogram", "N 91", "Asia/Dhaka"},
        {"Detroit", "Detroit, MI", "N 83", "America/Detroit"},
        {"Birmingham", "Birmingham", "N 1", "Europe/London"},
        {"Birmingham, AL", "Birmingham, AL", "N 86", "America/Chicago"},
        {"Tripoli", "Tripoli", "N 13", "Africa/Tripoli"},
        {"Adelaide", "Adelaide", "S 138", "Australia/Adelaide"},
        {"Makkah", "Mecca", "N 39", "Asia/Riyadh"},
        {"\u0645\u0643\u0629", "Mecca", "", ""},  // Arabic
        {"Al-Madinah", "Medina", "", ""},
        {"Al Quds", "Jerusalem", "", ""},
        {"Al Qahirah", "Cairo", "", ""},
        {"Bombay, India", "Mumbai", "", ""},
        {"Kiev", "Kyiv", "", ""},
        {"M\u00FCnchen", "Munich", "", ""},
        {"Saigon", "Ho Chi Minh City", "", ""},
        {"Cracow", "Krak\u00F3w", "", ""},
        {"Madras", "Chennai", "", ""},
        {"Salem", "Salem", "", ""},
        {"Sion", "Sitten", "", ""},
        {"Landen", "Landen", "", ""},
        {"R\u00EDo", "R\u00EDo", "", ""},
        {"Ta\u015Fkent", "Ta\u015Fkent", "", ""},
    };
    for (const auto& row : rows) {
        const RunResult run = RunTimes({"--city", row.typed}, services);
        ASSERT_EQ(run.status, 0) << row.typed << run.err;
        const std::vector<std::string> lines = testing_support::Lines(run.out);
        EXPECT_EQ(lines[0], std::string("City:     ") + row.city) << row.typed;
        EXPECT_NE(lines[1].find(row.position), std::string::npos) << lines[1];
        EXPECT_EQ(lines[2].rfind(std::string("Zone:     ") + row.zone, 0), 0u) << lines[2];
        const RunResult offer = RunTimes({"cities", "search", row.typed, "--limit", "1"}, services);
        ASSERT_EQ(offer.status, 0) << row.typed << offer.err;
        EXPECT_EQ(testing_support::Lines(offer.out).at(1).rfind(std::string(row.city) + "  ", 0),
                  0u)
            << row.typed << ": " << offer.out;
    }
}

}  // namespace
}  // namespace orvanta
