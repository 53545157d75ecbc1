// Timetables for ranges and their formats: rows of CSV, JSON and text against independent times,
// iCalendar read back with a calendar library, across year ends and clock changes.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <ctime>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "command_table.h"

namespace orvanta {
namespace {

using testing_support::Args;
using testing_support::RunResult;

RunResult Tool(const std::vector<std::string>& args, const CityStore* cities = nullptr) {
    return testing_support::RunTimes(args, testing_support::Pinned({2024, 6, 20}, cities));
}

// Sydney across the year end (+11:00 in summer): sunrise and sunset of the NOAA solar equations,
// computed separately (5.7821, 20.1536, 5.7943 and 20.1569 h); 1 Rajab 1446 is 1 January 2025
// (Umm al-Qura). Zuhr is the local noon of the equation of time by hand, on the clock of that
// day across each change of offset. London at midsummer on a clock half an hour ahead, with
// five-hour intervals (published sunrise 04:43 and sunset 21:21 summer time): Fajr falls on the
// day before, Isha on the next day. An offset west of Greenwich by a half hour keeps its sign.
// Tromsø at midsummer has no sunrise, sunset or twilight; its Asr is after Zuhr, on the same day.
// Standard offsets that changed (Nuuk to -2 in October 2023, Almaty to +5 in March 2024) hold
// from 1 January of a range begun the year before. An
// event across a change of clock takes the offset at its instant (zdump: Nuuk -2 to -1 at 23:00 on
// 28 March 2026, Stockholm +1 to +2 at 02:00 on 29 March, Lord Howe +10:30 to +11 at 02:00 on 4
// October; an interval of 5 h or 4.5 h puts Fajr before the change). The first and last days
// accepted have their events; a fixed zone's events are in UT, ending in Z.
const char* const kRows = R"(
0 @sydney --from 2024-12-29 --to 2025-01-03 --format csv | date,prayer,hours,time,hijri | 2025-01-03,Isha, | 2024-12-31,Shuruq,5.78*,5:47 AM,1446-06-30 | 2024-12-31,Maghrib,20.15*,8:09 PM,1446-06-30 | 2025-01-01,Shuruq,5.79*,5:48 AM,1446-07-01 | 2025-01-01,Maghrib,20.15*,8:09 PM,1446-07-01
0 @sydney --date 2024-12-31 --format csv --24h | 2024-12-31,Shuruq,5.78*,05:47, | 2024-12-31,Maghrib,20.15*,20:09,
0 @sydney --from 2024-10-05 --to 2024-10-06 --format json | "zuhr": "2024-10-05T11:44:00+10:00" | "utcOffset": "+11:00" | "zuhr": "2024-10-06T12:43:00+11:00"
0 @sydney --from 2024-04-06 --to 2024-04-07 --format json | "zuhr": "2024-04-06T12:58:00+11:00" | "zuhr": "2024-04-07T11:57:00+10:00"
0 @detroit --from 2024-03-09 --to 2024-03-10 --format json | "zuhr": "2024-03-09T12:43:00-05:00" | "zuhr": "2024-03-10T13:42:00-04:00"
0 @detroit --from 2024-11-02 --to 2024-11-03 --format json | "zuhr": "2024-11-02T13:16:00-04:00" | "zuhr": "2024-11-03T12:16:00-05:00"
0 @london-half --method interval --interval 300 --format json | "fajr": "2024-06-19T23:13:00+00:30" | "isha": "2024-06-21T01:51:00+00:30" | "isha": "1:51 AM"
0 @london-half --method interval --interval 300 --format json --24h | "fajr": "23:13" | "isha": "01:51"
0 --lat 47.5 --lon -52.7 --zone -0.5 --date 2024-06-20 --format json | "utcOffset": "-00:30" | "latitude": 47.5, | "zuhr": "2024-06-20T15:03:00-00:30" | "longitude": -52.7,
0 @tromso --date 2024-06-21 --format json | "fajr": null, | "shuruq": null, | "asr": "2024-06-21T*+02:00" | "zuhr": "2024-06-21T12:46:00+02:00"
0 @nuuk --from 2023-12-31 --to 2024-01-01 --format csv | 2024-01-01,Zuhr,13.5*,1:30 PM,
0 --lat 43.2567 --lon 76.9286 --tz Asia/Almaty --from 2024-12-31 --to 2025-01-01 --format csv | 2025-01-01,Zuhr,11.9*,11:56 AM,
0 @nuuk --date 2026-03-28 --format json | "isha": "2026-03-29T*-01:00" | "utcOffset": "-02:00"
0 --lat 59.3293 --lon 18.0686 --tz Europe/Stockholm --date 2026-03-29 --method interval --interval 300 --format json | "fajr": "2026-03-29T00:*+01:00"
0 --lat -31.5553 --lon 159.0821 --tz Australia/Lord_Howe --date 2026-10-04 --method interval --interval 270 --format json | "fajr": "2026-10-04T*+10:30"
0 @detroit --date 0001-01-01 --format ics | END:VEVENT
0 @mecca --date 2024-03-25 --format ics | DTSTART:20240325T*Z
0 @detroit --date 9999-12-31 --format ics | END:VEVENT
0 @detroit --month 2024-11 --24h | City:     (given by coordinates) | Position: 42°20′ N 83°03′ W | Zone:     America/Detroit | 18° below the horizon; Asr Shafi | 2024-11-03  05:33
)";

TEST(TimetableFormats, RowsOfEveryFormatGiveTheIndependentTimes) {
    EXPECT_EQ(testing_support::ExpectCommands(kRows, testing_support::Pinned({2024, 6, 20})), 19u);
    const RunResult february = Tool(Args("@detroit --month 2024-02 --format csv"));
    EXPECT_EQ(std::count(february.out.begin(), february.out.end(), '\n'), 1 + 29 * 6);
    // A range begun the year before gives the year as a run of that year alone, though Nuuk took
    // a new standard offset in October 2023.
    const std::string range =
        Tool(Args("@nuuk --format csv --from 2023-12-31 --to 2024-12-31")).out;
    const std::string year = Tool(Args("@nuuk --format csv --year 2024")).out;
    EXPECT_EQ(range.substr(range.find("\n2024-01-01")), year.substr(year.find("\n2024-01-01")));
    // The text range is a table whose lines all have the header's width.
    const RunResult month = Tool(Args("@detroit --month 2024-11 --24h"));
    const std::vector<std::string> lines =
        testing_support::Lines(month.out.substr(month.out.find("\n\n") + 2));
    ASSERT_EQ(lines.size(), 31u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), lines.front().size()) << line;
    }
}

// What a calendar program sees: each event's summary, UID and instant, its local time resolved
// through the file's own VTIMEZONE only (or UT).
struct CalendarEvent {
    std::string summary;
    std::string uid;
    std::string tzid;
    std::int64_t instant = 0;  // seconds since 1970 UT
};

std::vector<CalendarEvent> ReadCalendar(const std::string& text) {
    std::vector<CalendarEvent> events;
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    if (calendar == nullptr) {
        return events;  // no events: the caller's count fails
    }
    EXPECT_EQ(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);  // one calendar, whole
    icalrestriction_check(calendar);
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0) << icalcomponent_as_ical_string(calendar);
    icaltimezone* zone = icaltimezone_new();
    if (icalcomponent* vtimezone =
            icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        EXPECT_TRUE(icaltimezone_set_component(zone, icalcomponent_new_clone(vtimezone)));
    }
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        for (const icalproperty_kind kind :
             {ICAL_UID_PROPERTY, ICAL_DTSTAMP_PROPERTY, ICAL_DTSTART_PROPERTY}) {
            EXPECT_EQ(icalcomponent_count_properties(event, kind), 1);
        }
        icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        if (start == nullptr) {
            continue;
        }
        icalparameter* tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
        if (tzid != nullptr) {  // names the file's own VTIMEZONE
            EXPECT_STREQ(icalparameter_get_tzid(tzid), icaltimezone_get_tzid(zone));
        }
        icaltimetype time = icalproperty_get_dtstart(start);
        const bool utc = icaltime_is_utc(time) != 0;
        time.zone = nullptr;
        events.push_back({icalcomponent_get_summary(event), icalcomponent_get_uid(event),
                          tzid != nullptr ? icalparameter_get_tzid(tzid) : "",
                          static_cast<std::int64_t>(icaltime_as_timet_with_zone(
                              time, utc ? icaltimezone_get_utc_timezone() : zone))});
    }
    icaltimezone_free(zone, 1);
    icalcomponent_free(calendar);
    return events;
}

// Seconds since 1970 UT of "YYYY-MM-DDThh:mm:ss+hh:mm", by the C library's timegm.
std::int64_t InstantOf(const std::string& iso) {
    std::tm tm{};
    std::istringstream in(iso);
    char sign = '+';
    int hours = 0;
    int minutes = 0;
    in >> std::get_time(&tm, "%Y-%m-%dT%H:%M:%S") >> sign >> hours >> std::get_time(&tm, ":") >>
        minutes;
    EXPECT_TRUE(in && (sign == '+' || sign == '-')) << iso;
    return static_cast<std::int64_t>(timegm(&tm)) -
           (sign == '-' ? -60 : 60) * (hours * 60 + minutes);
}

// Each event at the instant its JSON time names, in the file's own zone (UT for a fixed zone);
// a time that does not exist (Tromsø in the midnight sun: only Zuhr and Asr) has no event.
TEST(TimetableFormats, IcsEventsCarryTheZoneAndTheInstantsOfTheTimetable) {
    const struct {
        const char* place;
        const char* tzid;
        std::size_t events;
    } rows[] = {
        {"@sydney --from 2024-10-03 --to 2024-10-09", "Australia/Sydney", 42},
        {"@detroit --from 2024-12-30 --to 2025-01-02", "America/Detroit", 24},
        {"@mecca --dst --from 2024-03-25 --to 2024-04-10", "", 102},
        {"@tromso --from 2024-06-20 --to 2024-06-22", "Europe/Oslo", 6},
    };
    for (const auto& row : rows) {
        const RunResult ics = Tool(Args(std::string(row.place) + " --format ics"));
        const RunResult json = Tool(Args(std::string(row.place) + " --format json"));
        ASSERT_EQ(ics.status + json.status, 0) << ics.err << json.err;
        const std::vector<CalendarEvent> events = ReadCalendar(ics.out);
        ASSERT_EQ(events.size(), row.events) << row.place;
        std::set<std::string> uids;
        std::size_t next = 0;
        const auto document = nlohmann::ordered_json::parse(json.out);
        for (const auto& day : document.at("days")) {
            for (const auto& [key, time] : day.at("times").items()) {
                if (time.is_null() || next == events.size()) {
                    continue;
                }
                const CalendarEvent& event = events[next++];
                EXPECT_EQ(
                    static_cast<char>(std::tolower(event.summary[0])) + event.summary.substr(1),
                    key);
                EXPECT_EQ(event.tzid, row.tzid);
                EXPECT_EQ(event.instant, InstantOf(time)) << time;
                uids.insert(event.uid);
            }
        }
        EXPECT_EQ(next, events.size());
        EXPECT_EQ(uids.size(), events.size()) << "each event has its own UID";
    }
}

// A city of the user's own database may carry a long name with commas and non-ASCII letters:
// content lines folded at 75 octets without splitting a character, commas and semicolons
// escaped in the text values.
TEST(TimetableFormats, IcsFoldsLongNonAsciiLinesAndEscapesCommas) {
    CityLocation city{.name = "Z\xC3\xBCrich, Kreis 10; ",
                      .latitudeRad = 0.83,
                      .longitudeRad = -0.15,
                      .zoneHours = 1.0,
                      .zoneName = ""};
    for (int i = 0; i < 100; ++i) {  // long enough for whole continuation lines
        city.name += "\xC3\xBC";
    }
    city.name += std::string(160, 'x');
    const testing_support::OneCityStore store(city);
    const RunResult ics =
        Tool({"--city", city.name, "--date", "2024-06-20", "--format", "ics"}, &store);
    ASSERT_EQ(ics.status, 0) << ics.err;
    std::string unfolded;
    for (std::string line : testing_support::Lines(ics.out)) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        EXPECT_LE(line.size(), 75u) << line;
        const bool continued = !line.empty() && line[0] == ' ';
        ASSERT_FALSE(continued && line.size() > 1 &&
                     (static_cast<unsigned char>(line[1]) & 0xC0U) == 0x80U)
            << "a character split across lines: " << line;
        unfolded += continued ? line.substr(1) : "\n" + line;
    }
    std::string escaped = "Z\xC3\xBCrich\\, Kreis 10\\; ";
    escaped += city.name.substr(city.name.size() - 360);
    EXPECT_NE(unfolded.find("\nLOCATION:" + escaped + "\n"), std::string::npos) << unfolded;
    EXPECT_NE(unfolded.find("\nDESCRIPTION:Isha (Night) at " + escaped + "\n"), std::string::npos);
    EXPECT_EQ(ReadCalendar(ics.out).size(), 6u);
}

}  // namespace
}  // namespace orvanta
