// Timetables for ranges and their formats: CSV read back against the day table, JSON parsed,
// iCalendar parsed and checked with a calendar library, across year ends and clock changes.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "astro/time_text.h"
#include "astro/year_elements.h"
#include "run_times.h"
#include "timetable/civil_time.h"
#include "zones/city_daylight.h"

namespace orvanta {
namespace {

using testing_support::RunResult;
using testing_support::With;

RunResult RunTool(const std::vector<std::string>& args) {
    TimesServices services;
    services.today = [] { return CivilDate{2024, 6, 20}; };
    services.nowUtc = [] { return std::int64_t{1718841600}; };  // 2024-06-20 00:00 UT
    return testing_support::RunTimes(args, services);
}

// Sydney and Detroit by coordinates and their real zones; 33°52′ S 151°13′ E, 42°20′ N 83°03′ W.
const std::vector<std::string> kSydney = {
    "--lat", "-33.86666666666667", "--lon", "151.21666666666667", "--tz", "Australia/Sydney"};
const std::vector<std::string> kDetroit = {"--lat", "42.333333333333336", "--lon", "-83.05",
                                           "--tz",  "America/Detroit"};

CityLocation Record(double latDeg, double lonEastDeg, double zoneHours, const char* zone) {
    CityLocation city;
    city.latitudeRad = DegreesToRadians(latDeg);
    city.longitudeRad = DegreesToRadians(-lonEastDeg);
    city.zoneHours = zoneHours;
    city.supportsDst = 1;
    city.zoneName = zone;
    return city;
}

const CityLocation kSydneyRecord =
    Record(-33.86666666666667, 151.21666666666667, 10.0, "Australia/Sydney");
const CityLocation kDetroitRecord = Record(42.333333333333336, -83.05, -5.0, "America/Detroit");

struct CsvRow {
    std::string date;
    std::string prayer;
    float hours = 0;
    std::string time;
};

// The csv and json time text: the 12-hour text without its leading spaces.
std::string Trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

std::vector<CsvRow> ParseCsv(const std::string& text) {
    std::vector<CsvRow> rows;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "date,prayer,hours,time");
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        CsvRow row;
        std::string hours;
        std::getline(fields, row.date, ',');
        std::getline(fields, row.prayer, ',');
        std::getline(fields, hours, ',');
        std::getline(fields, row.time);
        row.hours = std::strtof(hours.c_str(), nullptr);
        rows.push_back(row);
    }
    return rows;
}

// The day table computed here, one call per year as a range needs, for [first, last] given
// as (year, first index, end index) pieces.
struct Piece {
    std::int16_t year;
    std::int16_t first;
    std::int16_t end;
};

std::vector<DayRow> DayTableRows(const CityLocation& city, const std::vector<Piece>& pieces) {
    std::vector<DayRow> rows;
    for (const Piece& piece : pieces) {
        const auto shifts = DaylightShiftsForCity(city, piece.year);
        EXPECT_TRUE(shifts);
        DayTable table;
        EXPECT_TRUE(ComputeDayTable(table, piece.first, piece.end, ComputeYearElements(piece.year),
                                    city, PrayerSettings{}, *shifts));
        for (int j = piece.first; j < piece.end; ++j) {
            rows.push_back(table.rows[j]);
        }
    }
    return rows;
}

TEST(TimetableRanges, CsvAcrossTheYearEndEqualsTheDayTableAndRestartsAtNewYear) {
    const RunResult run =
        RunTool(With(kSydney, {"--from", "2024-12-29", "--to", "2025-01-03", "--format", "csv"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<CsvRow> csv = ParseCsv(run.out);
    ASSERT_EQ(csv.size(), 6u * 6u);
    // 2024 is a leap year: 29 December is index 363.
    const std::vector<DayRow> expected =
        DayTableRows(kSydneyRecord, {{2024, 363, 366}, {2025, 0, 3}});
    const std::vector<std::string> dates = {"2024-12-29", "2024-12-30", "2024-12-31",
                                            "2025-01-01", "2025-01-02", "2025-01-03"};
    for (std::size_t d = 0; d < dates.size(); ++d) {
        for (int s = 0; s < kPrayerCount; ++s) {
            const CsvRow& row = csv[d * 6 + s];
            EXPECT_EQ(row.date, dates[d]);
            EXPECT_EQ(row.hours, expected[d][s]) << row.date << " slot " << s;
            EXPECT_EQ(row.time, Trimmed(FormatPrayerTime(expected[d][s])));
        }
    }
    // At 1 January the seeds start afresh, so that day equals the one-day computation.
    const auto shifts = DaylightShiftsForCity(kSydneyRecord, 2025);
    const auto newYear = ComputeDateRow({2025, 1, 1}, kSydneyRecord, PrayerSettings{}, &*shifts);
    ASSERT_TRUE(newYear);
    for (int s = 0; s < kPrayerCount; ++s) {
        EXPECT_EQ(csv[3 * 6 + s].hours, (*newYear)[s]) << "slot " << s;
    }
}

TEST(TimetableRanges, OneDayIsTheWindowsComputationAndAMonthIsOneDayTableCall) {
    const RunResult day = RunTool(With(kDetroit, {"--date", "2024-07-15", "--format", "csv"}));
    ASSERT_EQ(day.status, 0) << day.err;
    const auto shifts = DaylightShiftsForCity(kDetroitRecord, 2024);
    const auto row = ComputeDateRow({2024, 7, 15}, kDetroitRecord, PrayerSettings{}, &*shifts);
    ASSERT_TRUE(row);
    const std::vector<CsvRow> one = ParseCsv(day.out);
    ASSERT_EQ(one.size(), 6u);
    for (int s = 0; s < kPrayerCount; ++s) {
        EXPECT_EQ(one[s].hours, (*row)[s]) << s;
    }
    const RunResult month = RunTool(With(kDetroit, {"--month", "2024-02", "--format", "csv"}));
    ASSERT_EQ(month.status, 0) << month.err;
    const std::vector<CsvRow> csv = ParseCsv(month.out);
    ASSERT_EQ(csv.size(), 29u * 6u);  // a leap February
    const std::vector<DayRow> expected = DayTableRows(kDetroitRecord, {{2024, 31, 60}});
    for (std::size_t i = 0; i < csv.size(); ++i) {
        EXPECT_EQ(csv[i].hours, expected[i / 6][i % 6]) << csv[i].date << " " << csv[i].prayer;
    }
    EXPECT_EQ(csv.back().date, "2024-02-29");
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

// The texts of the X-LIC-ERROR properties that the library's checks added anywhere.
std::string ErrorTexts(icalcomponent* component) {
    std::string texts;
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        texts += std::string(icalproperty_get_xlicerror(p)) + "; ";
    }
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        texts += ErrorTexts(c);
    }
    return texts;
}

std::vector<CalendarEvent> ReadCalendar(const std::string& text, int& errors) {
    std::vector<CalendarEvent> events;
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    EXPECT_NE(calendar, nullptr);
    if (calendar == nullptr) {
        return events;
    }
    icalrestriction_check(calendar);
    errors = icalcomponent_count_errors(calendar);
    EXPECT_EQ(errors, 0) << ErrorTexts(calendar);
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

TEST(TimetableFormats, IcsEventsCarryTheZoneAndTheInstantsOfTheTimetable) {
    struct Row {
        std::vector<std::string> place;
        const char* from;
        const char* to;
        const char* tzid;
    };
    for (const Row& row : std::vector<Row>{
             {kSydney, "2024-10-03", "2024-10-09", "Australia/Sydney"},
             {kDetroit, "2024-10-31", "2024-11-06", "America/Detroit"},
             {kDetroit, "2024-12-30", "2025-01-02", "America/Detroit"},
             {{"--lat", "21.4", "--lon", "39.8", "--zone", "3", "--dst"},
              "2024-03-25",
              "2024-04-10",
              ""},
         }) {
        const auto args = With(row.place, {"--from", row.from, "--to", row.to});
        const RunResult ics = RunTool(With(args, {"--format", "ics"}));
        ASSERT_EQ(ics.status, 0) << ics.err;
        const RunResult json = RunTool(With(args, {"--format", "json"}));
        ASSERT_EQ(json.status, 0) << json.err;

        // RFC 5545 framing: CRLF line ends, lines of at most 75 octets.
        std::size_t lineStart = 0;
        while (lineStart < ics.out.size()) {
            const std::size_t end = ics.out.find("\r\n", lineStart);
            ASSERT_NE(end, std::string::npos) << "a line without CRLF";
            EXPECT_LE(end - lineStart, 75u) << ics.out.substr(lineStart, end - lineStart);
            EXPECT_EQ(ics.out.substr(lineStart, end - lineStart).find('\n'), std::string::npos);
            lineStart = end + 2;
        }

        int errors = -1;
        const std::vector<CalendarEvent> events = ReadCalendar(ics.out, errors);
        EXPECT_EQ(errors, 0) << ics.out.substr(0, 2000);
        const nlohmann::json days = nlohmann::json::parse(json.out).at("days");
        ASSERT_EQ(events.size(), days.size() * 6);
        std::map<std::string, int> uids;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const nlohmann::json& day = days[i / 6];
            const char* keys[] = {"fajr", "shuruq", "zuhr", "asr", "maghrib", "isha"};
            const char* names[] = {"Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha"};
            EXPECT_EQ(events[i].summary, names[i % 6]);
            EXPECT_EQ(events[i].tzid, row.tzid);
            EXPECT_EQ(events[i].utc, std::string(row.tzid).empty());
            ++uids[events[i].uid];
            // The instant named by the day-table value on that day's clock.
            const std::string dateText = day.at("date");
            const CivilDate date{static_cast<std::int16_t>(std::stoi(dateText.substr(0, 4))),
                                 static_cast<std::int16_t>(std::stoi(dateText.substr(5, 2))),
                                 static_cast<std::int16_t>(std::stoi(dateText.substr(8, 2)))};
            const std::string offset = day.at("utcOffset");
            const int offsetMinutes =
                (offset[0] == '-' ? -1 : 1) *
                (std::stoi(offset.substr(1, 2)) * 60 + std::stoi(offset.substr(4, 2)));
            const double hours = day.at("hours").at(keys[i % 6]);
            const std::int64_t expected =
                DaysFromCivil(date) * 86400 + *SlotMinutes(hours) * 60 - offsetMinutes * 60;
            EXPECT_EQ(events[i].instant, expected) << dateText << " " << names[i % 6];
        }
        for (const auto& [uid, count] : uids) {
            EXPECT_EQ(count, 1) << uid;
        }
    }
}

TEST(TimetableFormats, IcsLeavesOutTimesThatDoNotExistAndFoldsLongLines) {
    const RunResult polar =
        RunTool({"--lat", "69.65", "--lon", "18.96", "--tz", "Europe/Oslo", "--from", "2024-06-20",
                 "--to", "2024-06-22", "--format", "ics"});
    ASSERT_EQ(polar.status, 0) << polar.err;
    int errors = -1;
    const std::vector<CalendarEvent> events = ReadCalendar(polar.out, errors);
    EXPECT_EQ(errors, 0);
    // Only Zuhr and Asr happen in the midnight sun.
    ASSERT_EQ(events.size(), 6u);
    for (const CalendarEvent& event : events) {
        EXPECT_TRUE(event.summary == "Zuhr" || event.summary == "Asr") << event.summary;
    }
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
