// orvanta-times end to end: the output formats, and every refused argument giving status 2
// with one line on standard error and nothing on standard output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/date_row.h"
#include "astro/time_text.h"
#include "cities/city_database_path.h"
#include "cities/sqlite_city_store.h"
#include "run_times.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"
#include "zones/city_daylight.h"

namespace orvanta {
namespace {

using testing_support::RunResult;
using testing_support::RunTimes;
using testing_support::With;

// A city store that knows one city and records what it was asked.
class OneCityStore final : public CityStore {
  public:
    CityLocation city;
    CityLookupStatus failure = CityLookupStatus::NotFound;
    mutable std::vector<std::string> asked;

    CityLookupStatus LookUp(CityLocation& target, const MessageFn& showMessage) const override {
        asked.push_back(target.name);
        if (failure == CityLookupStatus::DatabaseUnavailable) {
            return failure;
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
    explicit FixedHomeCity(std::string name) : name_(std::move(name)) {}
    bool ReadHomeCity(CityLocation& city) const override {
        city.name = name_;
        return true;
    }

  private:
    std::string name_;
};

RunResult RunCli(std::vector<std::string> args,
                 std::optional<CivilDate> today = CivilDate{2024, 6, 20}) {
    TimesServices services;
    services.today = [today] { return today; };
    return RunTimes(std::move(args), services);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The csv and json time text: the 12-hour text without its leading spaces.
std::string Trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

// The lines of the timetable itself: those after the header's blank line.
std::vector<std::string> BodyLines(const std::string& text) {
    const std::size_t blank = text.find("\n\n");
    return Lines(blank == std::string::npos ? text : text.substr(blank + 2));
}

const std::vector<std::string> kDetroit = {
    "--lat", "42.333333333333336", "--lon", "-83.05", "--zone", "-5", "--dst"};

std::vector<std::string> Detroit(const std::vector<std::string>& more) {
    return With(kDetroit, more);
}

CityLocation DetroitRecord() {
    CityLocation city;
    city.latitudeRad = DegreesToRadians(42.333333333333336);
    city.longitudeRad = DegreesToRadians(83.05);
    city.zoneHours = -5.0;
    city.supportsDst = 1;
    return city;
}

TEST(TimesCommand, TextShowsTheSixNamesAndTimesOfToday) {
    const RunResult run = RunCli(kDetroit);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto row = ComputeDateRow(CivilDate{2024, 6, 20}, DetroitRecord(), PrayerSettings{});
    ASSERT_TRUE(row);
    const std::vector<std::string> lines = BodyLines(run.out);
    ASSERT_EQ(lines.size(), 6u);
    for (int s = 0; s < kPrayerCount; ++s) {
        const std::string name(PrayerDisplayName(static_cast<PrayerSlot>(s)));
        EXPECT_EQ(lines[s].substr(0, name.size()), name);
        EXPECT_EQ(lines[s].substr(18), FormatPrayerTime((*row)[s]));
    }
    // Detroit, 20 June 2024, daylight saving time: sunrise 5:56 AM, sunset 9:12 PM.
    EXPECT_EQ(lines[1], "Shuruq (Sunrise)    5:56 AM");
    EXPECT_EQ(lines[4], "Maghrib (Sunset)    9:12 PM");
}

TEST(TimesCommand, CsvHoursReadBackBitExact) {
    const std::vector<std::pair<std::vector<std::string>, PrayerSettings>> cases = [] {
        PrayerSettings interval;
        interval.method = 1;
        interval.intervalMinutes = 75.0;
        PrayerSettings hanafi;
        hanafi.fiqh = 1;
        hanafi.asrShadowFactor = 2.0;
        hanafi.depressionDegrees = 15.0;
        return std::vector<std::pair<std::vector<std::string>, PrayerSettings>>{
            {{"--date", "2024-02-29"}, PrayerSettings{}},
            {{"--date", "2024-02-29", "--method", "interval", "--interval", "75"}, interval},
            {{"--date", "2024-12-31", "--asr", "hanafi", "--depression", "15"}, hanafi},
        };
    }();
    for (const auto& [extra, settings] : cases) {
        std::vector<std::string> args = Detroit(extra);
        args.insert(args.end(), {"--format", "csv"});
        const RunResult run = RunCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[0], "date,prayer,hours,time");
        const std::string dateText = extra[1];
        const CivilDate date{static_cast<std::int16_t>(std::stoi(dateText.substr(0, 4))),
                             static_cast<std::int16_t>(std::stoi(dateText.substr(5, 2))),
                             static_cast<std::int16_t>(std::stoi(dateText.substr(8, 2)))};
        const auto row = ComputeDateRow(date, DetroitRecord(), settings);
        ASSERT_TRUE(row);
        for (int s = 0; s < kPrayerCount; ++s) {
            std::istringstream fields(lines[s + 1]);
            std::string day, prayer, hours, time;
            std::getline(fields, day, ',');
            std::getline(fields, prayer, ',');
            std::getline(fields, hours, ',');
            std::getline(fields, time);
            EXPECT_EQ(day, dateText);
            EXPECT_EQ(std::strtof(hours.c_str(), nullptr), (*row)[s]) << lines[s + 1];
            EXPECT_EQ(time, Trimmed(FormatPrayerTime((*row)[s])));
        }
    }
}

TEST(TimesCommand, RefusedArgumentsGiveStatusTwoAndOneLineOnly) {
    const std::vector<std::vector<std::string>> refused = {
        {"--lat", "91", "--lon", "0", "--zone", "0"},
        {"--lat", "nan", "--lon", "0", "--zone", "0"},
        {"--lat", "10", "--lon", "180.01", "--zone", "0"},
        {"--lat", "10", "--lon", "inf", "--zone", "0"},
        {"--lat", "10", "--lon", "0", "--zone", "15"},
        {"--lat", "10", "--lon", "0", "--zone", "+-3"},
        {"--lat", "10", "--lon", "0"},
        Detroit({"--date", "2023-02-29"}),
        Detroit({"--date", "0000-01-01"}),
        Detroit({"--date", "10000-01-01"}),
        Detroit({"--date", "2024-6-1"}),
        Detroit({"--method", "both"}),
        Detroit({"--asr", "maliki"}),
        Detroit({"--format", "xml"}),
        Detroit({"--depression", "-1"}),
        Detroit({"--interval", "1e9"}),
        Detroit({"--bogus"}),
        Detroit({"--month", "2024-13"}),
        Detroit({"--year", "0"}),
        Detroit({"--year", "10000"}),
        Detroit({"--from", "2024-01-01"}),
        Detroit({"--to", "2024-01-01"}),
        Detroit({"--from", "2024-01-02", "--to", "2024-01-01"}),
        Detroit({"--from", "2024-01-01", "--to", "2034-01-02"}),
        Detroit({"--from", "2024-02-30", "--to", "2024-03-01"}),
        Detroit({"--date", "2024-01-01", "--month", "2024-01"}),
        Detroit({"--year", "2024", "--from", "2024-01-01", "--to", "2024-01-02"}),
        Detroit({"--format", "ICS"}),
        Detroit({"extra"}),
        {"--lat", "1", "--lon", "1", "--tz", "Australia/Adelaid"},
        {"--lat", "1", "--lon", "1", "--tz", "Europe/London", "--zone", "0"},
        {"--lat", "1", "--lon", "1", "--tz", "Europe/London", "--dst"},
        {"--lat", "1", "--lon", "1", "--dst"},
        {"--city", "Adelaide", "--lat", "1", "--lon", "1", "--zone", "0"},
        {"--city", "Adelaide", "--zone", "0"},
        {"--city", "Adelaide", "--tz", "Europe/London"},
    };
    for (const auto& args : refused) {
        const RunResult run = RunCli(args);
        std::string joined;
        for (const auto& a : args) {
            joined += a + " ";
        }
        EXPECT_EQ(run.status, 2) << joined;
        EXPECT_EQ(run.out, "") << joined;
        ASSERT_EQ(Lines(run.err).size(), 1u) << joined << "-> " << run.err;
        EXPECT_EQ(run.err.rfind("orvanta-times: ", 0), 0u) << run.err;
    }
}

TEST(TimesCommand, RangesUpToTenYearsAndAtTheEndsOfTheCalendar) {
    struct Row {
        std::vector<std::string> args;
        std::size_t days;
    };
    for (const Row& row :
         std::vector<Row>{{Detroit({"--from", "2024-01-01", "--to", "2033-12-31"}), 3653},
                          {Detroit({"--year", "9999"}), 365},
                          {Detroit({"--year", "1"}), 365},
                          {Detroit({"--month", "2023-02"}), 28},
                          {Detroit({"--from", "2024-05-05", "--to", "2024-05-05"}), 1}}) {
        std::vector<std::string> args = row.args;
        args.insert(args.end(), {"--format", "csv"});
        const RunResult run = RunCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out).size(), 1 + 6 * row.days) << args[8];
    }
}

TEST(TimesCommand, AcceptsSignedZonesAndTheLimitsOfTheRanges) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--lat", "90", "--lon", "180", "--zone", "+14"},
             {"--lat", "-90", "--lon", "-180", "--zone", "-12"},
             {"--lat", "27.7", "--lon", "85.3", "--zone", "5.75", "--date", "9999-12-31"},
             {"--lat", "21.4", "--lon", "39.8", "--zone", "3", "--date", "0001-01-01"}}) {
        const RunResult run = RunCli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(BodyLines(run.out).size(), 6u);
    }
}

TEST(TimesCommand, NamedZoneGivesTheOffsetTheClockShowsThatDay) {
    // Adelaide: +10:30 in its southern summer, +9:30 in winter; Kathmandu +5:45 all year.
    struct Row {
        const char* tz;
        const char* date;
        const char* fixedZone;
    };
    const std::vector<Row> rows = {
        {"Australia/Adelaide", "2026-01-15", "10.5"},
        {"Australia/Adelaide", "2026-07-15", "9.5"},
        {"Asia/Kathmandu", "2026-03-01", "5.75"},
        {"America/Detroit", "2026-03-07", "-5"},  // the day before the US change
        {"America/Detroit", "2026-03-08", "-4"},
    };
    for (const Row& row : rows) {
        const RunResult named =
            RunCli({"--lat", "-34.93", "--lon", "138.6", "--tz", row.tz, "--date", row.date});
        const RunResult fixed = RunCli(
            {"--lat", "-34.93", "--lon", "138.6", "--zone", row.fixedZone, "--date", row.date});
        ASSERT_EQ(named.status, 0) << named.err;
        EXPECT_EQ(BodyLines(named.out), BodyLines(fixed.out)) << row.tz << " " << row.date;
    }
}

CityLocation AdelaideRecord() {
    CityLocation city;
    city.name = "Adelaide";
    city.latitudeRad = DegreesToRadians(-(34.0 + 56.0 / 60.0));
    city.longitudeRad = -DegreesToRadians(138.0 + 36.0 / 60.0);
    city.zoneHours = 9.5;
    city.supportsDst = 1;
    city.zoneName = "Australia/Adelaide";
    return city;
}

TEST(TimesCommand, CityComesFromTheSavedSettingsOrTheHomeCityOrTheOption) {
    OneCityStore store;
    store.city = AdelaideRecord();
    MemorySettingsFile saved;
    PrayerSettings savedSettings;
    savedSettings.configuredCity = "Adelaide";
    savedSettings.method = 1;
    savedSettings.intervalMinutes = 80.0;
    ASSERT_TRUE(SaveSettings(saved, savedSettings));

    TimesServices services;
    services.today = [] { return CivilDate{2026, 1, 15}; };
    services.savedSettings = &saved;
    services.cities = &store;
    const RunResult fromSettings = RunTimes({"--format", "csv"}, services);
    ASSERT_EQ(fromSettings.status, 0) << fromSettings.err;
    EXPECT_EQ(store.asked.back(), "Adelaide");
    // The saved interval method applies: Fajr is 80 minutes before sunrise.
    PrayerSettings interval;
    interval.method = 1;
    interval.intervalMinutes = 80.0;
    const auto shifts = DaylightShiftsForCity(AdelaideRecord(), 2026);
    ASSERT_TRUE(shifts);
    const auto row = ComputeDateRow(CivilDate{2026, 1, 15}, AdelaideRecord(), interval, &*shifts);
    ASSERT_TRUE(row);
    EXPECT_NE(fromSettings.out.find(Trimmed(FormatPrayerTime((*row)[0]))), std::string::npos);

    const FixedHomeCity home("Hobart");
    services.homeCity = &home;
    const RunResult fromHome = RunTimes({}, services);
    EXPECT_EQ(store.asked.back(), "Hobart");
    EXPECT_EQ(fromHome.status, 1);
    EXPECT_EQ(fromHome.out, "");
    EXPECT_EQ(fromHome.err, "orvanta-times: cannot find the city \"Hobart\"\n");

    const RunResult named = RunTimes({"--city", "Adelaide"}, services);
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(BodyLines(named.out).size(), 6u);
    EXPECT_EQ(saved.replaceCount, 1) << "the command line never saves settings";
}

TEST(TimesCommand, UnusableCityDatabaseIsStatusOneWithOneLine) {
    OneCityStore store;
    store.failure = CityLookupStatus::DatabaseUnavailable;
    TimesServices services;
    services.today = [] { return CivilDate{2026, 1, 15}; };
    services.cities = &store;
    services.cityDatabaseDescription = "/nowhere/cities.db";
    TimesServices withoutDatabase;
    withoutDatabase.today = services.today;
    for (const RunResult& run : {RunTimes({"--city", "Adelaide"}, services),
                                 RunTimes({"--city", "Adelaide"}, withoutDatabase)}) {
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
}

TEST(TimesCommand, ShippedDatabaseGivesAdelaideItsSummerOffset) {
    const SqliteCityStore store(ShippedCityDatabasePath());
    TimesServices services;
    services.today = [] { return CivilDate{2026, 1, 15}; };
    services.cities = &store;
    const RunResult named = RunTimes({"--city", "adelaide", "--date", "2026-01-15"}, services);
    ASSERT_EQ(named.status, 0) << named.err;
    // The database stores 34 deg 56' S 138 deg 36' E; in January the clock shows +10:30.
    const RunResult fixed = RunCli({"--lat", "-34.93333333333333", "--lon", "138.6", "--zone",
                                    "10.5", "--date", "2026-01-15"});
    EXPECT_EQ(BodyLines(named.out), BodyLines(fixed.out));
}

TEST(TimesCommand, HelpAndVersionSucceed) {
    const RunResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--lat"), std::string::npos);
    const RunResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("orvanta-times 1.0.0"), std::string::npos);
}

TEST(TimesCommand, UnreadableClockIsReportedWithoutOutput) {
    const RunResult run = RunCli(kDetroit, std::nullopt);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err).size(), 1u);
}

}  // namespace
}  // namespace orvanta
