// Timetables for ranges and their formats: CSV across a year end against independent times,
// JSON parsed, iCalendar parsed and checked with a calendar library, across clock changes.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "astro/time_text.h"
#include "run_times.h"

namespace orvanta {
namespace {

using testing_support::RunResult;
using testing_support::With;

RunResult RunTool(const std::vector<std::string>& args, const CityStore* cities = nullptr) {
    TimesServices services;
    services.cities = cities;
    services.today = [] { return CivilDate{2024, 6, 20}; };
    services.nowUtc = [] { return std::int64_t{1718841600}; };  // 2024-06-20 00:00 UT
    return testing_support::RunTimes(args, services);
}

// Sydney and Detroit by coordinates and their real zones; 33°52′ S 151°13′ E, 42°20′ N 83°03′ W.
const std::vector<std::string> kSydney = {
    "--lat", "-33.86666666666667", "--lon", "151.21666666666667", "--tz", "Australia/Sydney"};
const std::vector<std::string> kDetroit = {"--lat", "42.333333333333336", "--lon", "-83.05",
                                           "--tz",  "America/Detroit"};

// The csv and json time text: the 12-hour text without its leading spaces.
std::string Trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

// A range across the year end: consecutive dates, and on the days around New Year the sunrise
// and sunset of the NOAA solar equations, computed separately (Sydney, +11:00 in summer).
TEST(TimetableRanges, CsvAcrossTheYearEndGivesEachDayItsOwnTimes) {
    const RunResult run =
        RunTool(With(kSydney, {"--from", "2024-12-29", "--to", "2025-01-03", "--format", "csv"}));
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream in(run.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "date,prayer,hours,time,hijri");
    std::vector<std::vector<std::string>> rows;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) {
            fields.push_back(cell);
        }
        ASSERT_EQ(fields.size(), 5u) << line;
        rows.push_back(fields);
    }
    ASSERT_EQ(rows.size(), 36u);
    const char* dates[] = {"2024-12-29", "2024-12-30", "2024-12-31",
                           "2025-01-01", "2025-01-02", "2025-01-03"};
    const char* prayers[] = {"Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], dates[i / 6]);
        EXPECT_EQ(rows[i][1], prayers[i % 6]);
    }
    const struct {
        std::size_t row;
        double hours;
        const char* text;
    } worked[] = {{13, 5.7821, "5:47 AM"},
                  {16, 20.1536, "8:09 PM"},
                  {19, 5.7943, "5:48 AM"},
                  {22, 20.1569, "8:09 PM"}};
    for (const auto& w : worked) {
        EXPECT_NEAR(std::stod(rows[w.row][2]), w.hours, 0.004) << rows[w.row][0];
        EXPECT_EQ(rows[w.row][3], w.text) << rows[w.row][0];
    }
    const RunResult clock24 =
        RunTool(With(kSydney, {"--date", "2024-12-31", "--format", "csv", "--24h"}));
    EXPECT_NE(clock24.out.find(",05:47,1446-06-30\n"), std::string::npos) << clock24.out;
    EXPECT_NE(clock24.out.find(",20:09,1446-06-30\n"), std::string::npos) << clock24.out;
    const RunResult february = RunTool(With(kDetroit, {"--month", "2024-02", "--format", "csv"}));
    EXPECT_EQ(std::count(february.out.begin(), february.out.end(), '\n'), 1 + 29 * 6);
    EXPECT_NE(february.out.find("2024-02-29,Isha"), std::string::npos);
}

// Across a clock change, each day's JSON times carry the offset the clock shows that day, and
// the times equal the fixed-offset computation plus that day's daylight-saving hour.
TEST(TimetableRanges, JsonAcrossClockChangesInSydneyAndDetroit) {
    struct Row {
        std::vector<std::string> place;
        const char* from;
        const char* to;
        const char* standardZone;
        const char* changeDate;  // first day of the new offset
        const char* before;
        const char* after;
        double shiftBefore;
        double shiftAfter;
    };
    const std::vector<Row> rows = {
        {kSydney, "2024-10-03", "2024-10-09", "10", "2024-10-06", "+10:00", "+11:00", 0, 1},
        {kSydney, "2024-04-04", "2024-04-10", "10", "2024-04-07", "+11:00", "+10:00", 1, 0},
        {kDetroit, "2024-03-07", "2024-03-13", "-5", "2024-03-10", "-05:00", "-04:00", 0, 1},
        {kDetroit, "2024-10-31", "2024-11-06", "-5", "2024-11-03", "-04:00", "-05:00", 1, 0},
    };
    for (const Row& row : rows) {
        const RunResult named =
            RunTool(With(row.place, {"--from", row.from, "--to", row.to, "--format", "json"}));
        ASSERT_EQ(named.status, 0) << named.err;
        std::vector<std::string> fixedArgs(row.place.begin(), row.place.begin() + 4);
        fixedArgs = With(fixedArgs, {"--zone", row.standardZone, "--from", row.from, "--to", row.to,
                                     "--format", "json"});
        const RunResult fixed = RunTool(fixedArgs);
        ASSERT_EQ(fixed.status, 0) << fixed.err;
        const nlohmann::json days = nlohmann::json::parse(named.out).at("days");
        const nlohmann::json fixedDays = nlohmann::json::parse(fixed.out).at("days");
        ASSERT_EQ(days.size(), 7u);
        for (std::size_t d = 0; d < days.size(); ++d) {
            const std::string date = days[d].at("date");
            const bool changed = date >= std::string(row.changeDate);
            EXPECT_EQ(days[d].at("utcOffset"), changed ? row.after : row.before) << date;
            const double shift = changed ? row.shiftAfter : row.shiftBefore;
            for (const char* key : {"fajr", "shuruq", "zuhr", "asr", "maghrib", "isha"}) {
                const auto standard =
                    static_cast<float>(fixedDays[d].at("hours").at(key).get<double>());
                const auto expected = static_cast<float>(static_cast<double>(standard) + shift);
                EXPECT_EQ(static_cast<float>(days[d].at("hours").at(key).get<double>()), expected)
                    << date << " " << key;
                const std::string iso = days[d].at("times").at(key);
                EXPECT_EQ(iso.substr(0, 10), date);
                EXPECT_EQ(iso.substr(19), changed ? row.after : row.before);
                EXPECT_EQ(days[d].at("texts").at(key), Trimmed(FormatPrayerTime(expected)));
            }
        }
    }
}

TEST(TimetableFormats, JsonPutsTimesPastMidnightOnTheirOwnDateAndMissingTimesAsNull) {
    // London at midsummer on a clock half an hour ahead, with five-hour intervals: Fajr falls
    // before midnight of the day before, Isha after midnight of the next day.
    const RunResult run =
        RunTool({"--lat", "51.5", "--lon", "0", "--zone", "0.5", "--date", "2024-06-20", "--method",
                 "interval", "--interval", "300", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json day = nlohmann::json::parse(run.out).at("days").at(0);
    const double fajr = day.at("hours").at("fajr");
    const double isha = day.at("hours").at("isha");
    ASSERT_LT(fajr, 0.0);
    ASSERT_GE(isha, 24.0);
    // Minutes rounded like the time text; the zone's half hour in the offset.
    EXPECT_EQ(day.at("times").at("fajr"), "2024-06-19T23:13:00+00:30");
    EXPECT_EQ(day.at("times").at("isha"), "2024-06-21T01:51:00+00:30");
    EXPECT_EQ(day.at("texts").at("isha"), "1:51 AM");
    const RunResult clock24 =
        RunTool({"--lat", "51.5", "--lon", "0", "--zone", "0.5", "--date", "2024-06-20", "--method",
                 "interval", "--interval", "300", "--format", "json", "--24h"});
    const nlohmann::json texts = nlohmann::json::parse(clock24.out).at("days").at(0).at("texts");
    EXPECT_EQ(texts.at("fajr"), "23:13");  // the hour before midnight, and the one after
    EXPECT_EQ(texts.at("isha"), "01:51");
    // Offsets west of Greenwich by a half hour keep their sign, also below one hour.
    for (const auto& [zone, offset] :
         std::vector<std::pair<const char*, const char*>>{{"-0.5", "-00:30"}, {"-3.5", "-03:30"}}) {
        const RunResult west = RunTool({"--lat", "47.5", "--lon", "-52.7", "--zone", zone, "--date",
                                        "2024-06-20", "--format", "json"});
        const nlohmann::json westDay = nlohmann::json::parse(west.out).at("days").at(0);
        EXPECT_EQ(westDay.at("utcOffset"), offset);
        const nlohmann::json place = nlohmann::json::parse(west.out).at("place");
        EXPECT_NEAR(place.at("longitude").get<double>(), -52.7, 1e-9);  // east positive
        EXPECT_NEAR(place.at("latitude").get<double>(), 47.5, 1e-9);
        EXPECT_EQ(westDay.at("times").at("zuhr").get<std::string>().substr(19), offset);
    }

    // Tromsø at midsummer: no sunrise, sunset or twilight.
    const RunResult polar = RunTool({"--lat", "69.65", "--lon", "18.96", "--tz", "Europe/Oslo",
                                     "--date", "2024-06-21", "--format", "json"});
    ASSERT_EQ(polar.status, 0) << polar.err;
    const nlohmann::json times = nlohmann::json::parse(polar.out).at("days").at(0).at("times");
    EXPECT_TRUE(times.at("shuruq").is_null());
    EXPECT_TRUE(times.at("fajr").is_null());
    EXPECT_TRUE(times.at("zuhr").is_string());
}

// What a calendar program sees: the events of the file, resolved through its own VTIMEZONE.
struct CalendarEvent {
    std::string summary;
    std::string uid;
    std::string tzid;
    bool utc = false;
    std::int64_t instant = 0;  // seconds since 1970 UT
};

std::vector<CalendarEvent> ReadCalendar(const std::string& text) {
    std::vector<CalendarEvent> events;
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    EXPECT_NE(calendar, nullptr);
    if (calendar == nullptr) {
        return events;
    }
    icalrestriction_check(calendar);
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0) << icalcomponent_as_ical_string(calendar);
    icaltimezone* zone = nullptr;
    if (icalcomponent* vtimezone =
            icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        zone = icaltimezone_new();
        EXPECT_TRUE(icaltimezone_set_component(zone, icalcomponent_new_clone(vtimezone)));
    }
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        CalendarEvent read;
        read.summary = icalcomponent_get_summary(event);
        read.uid = icalcomponent_get_uid(event);
        EXPECT_EQ(icalcomponent_count_properties(event, ICAL_UID_PROPERTY), 1);
        EXPECT_EQ(icalcomponent_count_properties(event, ICAL_DTSTAMP_PROPERTY), 1);
        EXPECT_EQ(icalcomponent_count_properties(event, ICAL_DTSTART_PROPERTY), 1);
        icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        EXPECT_NE(start, nullptr);
        if (start == nullptr) {
            continue;
        }
        if (icalparameter* tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER)) {
            read.tzid = icalparameter_get_tzid(tzid);
        }
        icaltimetype time = icalproperty_get_dtstart(start);
        read.utc = icaltime_is_utc(time) != 0;
        time.zone = nullptr;  // resolve the local time through the file's own VTIMEZONE only
        read.instant = static_cast<std::int64_t>(
            icaltime_as_timet_with_zone(time, read.utc ? icaltimezone_get_utc_timezone() : zone));
        events.push_back(read);
    }
    if (zone != nullptr) {
        icaltimezone_free(zone, 1);
    }
    icalcomponent_free(calendar);
    return events;
}

// Seconds since 1970 UT of "YYYY-MM-DDThh:mm:ss+hh:mm", by the C library's timegm.
std::int64_t InstantOf(const std::string& iso) {
    std::tm tm{};
    int offsetHours = 0;
    int offsetMinutes = 0;
    char sign = '+';
    EXPECT_EQ(
        std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d:%d%c%d:%d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday,
                    &tm.tm_hour, &tm.tm_min, &tm.tm_sec, &sign, &offsetHours, &offsetMinutes),
        9)
        << iso;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    const int offset = (sign == '-' ? -1 : 1) * (offsetHours * 3600 + offsetMinutes * 60);
    return static_cast<std::int64_t>(timegm(&tm)) - offset;
}

// Each event at the instant its JSON time names, in the file's own zone; a time that does not
// exist (Tromsø in the midnight sun: only Zuhr and Asr happen) has no event.
TEST(TimetableFormats, IcsEventsCarryTheZoneAndTheInstantsOfTheTimetable) {
    struct Row {
        std::vector<std::string> place;
        const char* from;
        const char* to;
        const char* tzid;
        std::size_t events;
    };
    for (const Row& row : std::vector<Row>{
             {kSydney, "2024-10-03", "2024-10-09", "Australia/Sydney", 42},
             {kDetroit, "2024-10-31", "2024-11-06", "America/Detroit", 42},
             {kDetroit, "2024-12-30", "2025-01-02", "America/Detroit", 24},
             {{"--lat", "21.4", "--lon", "39.8", "--zone", "3", "--dst"},
              "2024-03-25",
              "2024-04-10",
              "",
              102},
             {{"--lat", "69.65", "--lon", "18.96", "--tz", "Europe/Oslo"},
              "2024-06-20",
              "2024-06-22",
              "Europe/Oslo",
              6},
         }) {
        const auto args = With(row.place, {"--from", row.from, "--to", row.to});
        const RunResult ics = RunTool(With(args, {"--format", "ics"}));
        ASSERT_EQ(ics.status, 0) << ics.err;
        const RunResult json = RunTool(With(args, {"--format", "json"}));
        ASSERT_EQ(json.status, 0) << json.err;
        const std::vector<CalendarEvent> events = ReadCalendar(ics.out);
        ASSERT_EQ(events.size(), row.events) << row.from;
        std::set<std::string> uids;
        std::size_t next = 0;
        const char* keys[] = {"fajr", "shuruq", "zuhr", "asr", "maghrib", "isha"};
        const char* names[] = {"Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha"};
        const nlohmann::json days = nlohmann::json::parse(json.out).at("days");
        for (const nlohmann::json& day : days) {
            for (int s = 0; s < 6 && next < events.size(); ++s) {
                if (day.at("times").at(keys[s]).is_null()) {
                    continue;
                }
                const CalendarEvent& event = events[next++];
                EXPECT_EQ(event.summary, names[s]);
                EXPECT_EQ(event.tzid, row.tzid);
                EXPECT_EQ(event.utc, std::string(row.tzid).empty());
                uids.insert(event.uid);
                EXPECT_EQ(event.instant, InstantOf(day.at("times").at(keys[s])))
                    << day.at("date") << " " << names[s];
            }
        }
        EXPECT_EQ(next, events.size());
        EXPECT_EQ(uids.size(), events.size()) << "each event has its own UID";
    }
}

// A city of the user's own database may carry a long name with commas and non-ASCII letters:
// content lines folded at 75 octets without splitting a character, commas and semicolons
// escaped in the text values.
class NamedCity final : public CityStore {
  public:
    std::string name;
    CityLookupStatus LookUp(CityLocation& target, const MessageFn&) const override {
        target = CityLocation{};
        target.name = name;
        target.latitudeRad = 0.83;
        target.longitudeRad = -0.15;
        target.zoneHours = 1.0;
        return CityLookupStatus::Found;
    }
};

TEST(TimetableFormats, IcsFoldsLongNonAsciiLinesAndEscapesCommas) {
    NamedCity city;
    city.name = "Z\xC3\xBCrich, Kreis 10; ";
    for (int i = 0; i < 100; ++i) {  // long enough for whole continuation lines
        city.name += "\xC3\xBC";
    }
    city.name += std::string(160, 'x');
    const RunResult ics =
        RunTool({"--city", "x", "--date", "2024-06-20", "--format", "ics"}, &city);
    ASSERT_EQ(ics.status, 0) << ics.err;
    std::string unfolded;
    for (std::size_t start = 0; start < ics.out.size();) {
        const std::size_t end = ics.out.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = ics.out.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        const bool continued = !line.empty() && line[0] == ' ';
        ASSERT_FALSE(continued && line.size() > 1 &&
                     (static_cast<unsigned char>(line[1]) & 0xC0U) == 0x80U)
            << "a character split across lines: " << line;
        unfolded += continued ? line.substr(1) : "\n" + line;
        start = end + 2;
    }
    std::string escaped = "Z\xC3\xBCrich\\, Kreis 10\\; ";
    escaped += city.name.substr(city.name.size() - 360);
    EXPECT_NE(unfolded.find("\nLOCATION:" + escaped + "\n"), std::string::npos) << unfolded;
    EXPECT_NE(unfolded.find("\nDESCRIPTION:Isha (Night) at " + escaped + "\n"), std::string::npos);
    EXPECT_EQ(ReadCalendar(ics.out).size(), 6u);
}

TEST(TimetableFormats, TextRangeIsAnAlignedTableAndHonoursTwentyFourHours) {
    const RunResult run = RunTool(With(kDetroit, {"--month", "2024-11", "--24h"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("City:     (given by coordinates)"), std::string::npos);
    EXPECT_NE(run.out.find("Position: 42\u00B020\u2032 N 83\u00B003\u2032 W"), std::string::npos);
    EXPECT_NE(run.out.find("America/Detroit"), std::string::npos);
    EXPECT_NE(run.out.find("18\u00B0 below the horizon; Asr Shafi"), std::string::npos);
    const std::string body = run.out.substr(run.out.find("\n\n") + 2);
    std::istringstream lines(body);
    std::string header;
    std::getline(lines, header);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        EXPECT_EQ(line.size(), header.size()) << line;
    }
    EXPECT_EQ(count, 30);
    // 3 November: the first day of standard time; Zuhr near 12:16.
    EXPECT_NE(body.find("2024-11-03  05:33"), std::string::npos) << body;
}

}  // namespace
}  // namespace orvanta
