// A timetable's days: each event on the clock in force at its instant and dated by its place in
// the day, each year with its own standard offset.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "timetable/civil_time.h"
#include "timetable/event_dates.h"
#include "timetable/ics_output.h"
#include "timetable/timetable.h"
#include "zones/city_daylight.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// A place by its coordinates (degrees, north and EAST positive) and zone, settled for a year as
// the command line settles a zone given by name.
CityLocation Place(double latitude, double longitudeEast, const char* zone, std::int16_t year) {
    CityLocation city;
    city.latitudeRad = latitude * kRadiansPerDegree;
    city.longitudeRad = -longitudeEast * kRadiansPerDegree;
    city.zoneName = zone;
    const std::optional<ZoneSummary> summary = SummarizeZone(zone, year);
    city.zoneHours = summary ? summary->zoneHours : 0.0;
    city.supportsDst = summary && summary->observesDst ? 1 : 0;
    return city;
}

bool SameDay(const DatedRow& a, const DatedRow& b) {
    return a.row == b.row && a.utcOffsetHours == b.utcOffsetHours &&
           a.eventOffsetHours == b.eventOffsetHours;
}

TEST(DateRange, EachYearHasItsOwnStandardOffset) {
    // Nuuk moved to -2 in October 2023, Almaty to +5 in March 2024, Ittoqqortoormiit to
    // Nuuk's -2 in March 2024 (published changes; zdump shows them): a range that starts the
    // year before must give the year exactly as a run of that year alone.
    const struct {
        const char* zone;
        double latitude, longitudeEast;
        std::int16_t year;
        double januaryOffset;  // hours east on 1 January of that year
    } rows[] = {
        {"America/Nuuk", 64.1814, -51.6941, 2024, -2.0},
        {"Asia/Almaty", 43.2567, 76.9286, 2025, 5.0},
        {"America/Scoresbysund", 70.4853, -21.9667, 2025, -2.0},
    };
    const PrayerSettings settings;
    for (const auto& row : rows) {
        const auto year = row.year;
        const auto prior = static_cast<std::int16_t>(year - 1);
        const auto range = ComputeDateRange({prior, 1, 1}, {year, 12, 31},
                                            Place(row.latitude, row.longitudeEast, row.zone, prior),
                                            settings, MethodChoice{}, ZoneYears::EachYear);
        const auto alone =
            ComputeDateRange({year, 1, 1}, {year, 12, 31},
                             Place(row.latitude, row.longitudeEast, row.zone, year), settings);
        ASSERT_TRUE(range && alone) << row.zone;
        ASSERT_EQ(range->size(), (prior % 4 == 0 ? 366U : 365U) + alone->size()) << row.zone;
        const std::size_t skip = range->size() - alone->size();
        EXPECT_EQ(alone->front().utcOffsetHours, row.januaryOffset) << row.zone;
        for (std::size_t i = 0; i < alone->size(); ++i) {
            ASSERT_TRUE(SameDay((*range)[skip + i], (*alone)[i]))
                << row.zone << " " << IsoDate((*alone)[i].date);
        }
    }
}

PrayerSettings Interval(double minutes) {
    return PrayerSettings{.method = 1, .intervalMinutes = minutes};
}

TEST(EventClocks, AnEventAcrossAChangeOfOffsetUsesTheOffsetAtItsInstant) {
    // Each change is zdump's: Nuuk -2 to -1 at 2026-03-29 01:00 UT (23:00 on Saturday 28 March);
    // Stockholm +1 to +2 at 2026-03-29 01:00 UT (02:00); Lord Howe +10:30 to +11 at 2026-10-03
    // 15:30 UT (02:00 on 4 October). Each event keeps
    // its instant; only one on the far side of the change from local noon changes clock (an
    // interval of 5 h or 4.5 h before sunrise puts Fajr before the change).
    const struct {
        const char* label;
        CityLocation city;
        PrayerSettings settings;
        CivilDate date;
        std::array<double, kPrayerCount> moved;  // hours added to each event's noon-clock value
    } rows[] = {
        {"Nuuk Isha after 23:00",
         Place(64.1814, -51.6941, "America/Nuuk", 2026),
         PrayerSettings{},
         {2026, 3, 28},
         {0, 0, 0, 0, 0, 1.0}},
        {"Stockholm Fajr before 02:00",
         Place(59.3293, 18.0686, "Europe/Stockholm", 2026),
         Interval(300),
         {2026, 3, 29},
         {-1.0, 0, 0, 0, 0, 0}},
        {"Lord Howe Fajr before 02:00",
         Place(-31.5553, 159.0821, "Australia/Lord_Howe", 2026),
         Interval(270),
         {2026, 10, 4},
         {-0.5, 0, 0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        const std::optional<DatedRow> day = ComputeOneDay(row.date, row.city, row.settings);
        ASSERT_TRUE(day) << row.label;
        // The same day on the clock of its local noon alone: the astronomy's row before any
        // event is moved.
        const std::optional<DaylightShiftTable> shifts = DaylightShiftsForCity(row.city, 2026);
        ASSERT_TRUE(shifts) << row.label;
        const std::optional<DayRow> noon =
            ComputeDateRow(row.date, row.city, row.settings, &*shifts);
        ASSERT_TRUE(noon) << row.label;
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_NEAR(static_cast<double>(day->row[s]),
                        static_cast<double>((*noon)[s]) + row.moved[s], 1e-5)
                << row.label << " slot " << s;
            EXPECT_EQ(day->eventOffsetHours[s], day->utcOffsetHours + row.moved[s])
                << row.label << " slot " << s;
        }
    }
}

TEST(EventMinutes, EachEventIsDatedByItsPlaceInTheDay) {
    // Hand computation: a value's clock minute, moved by whole days to lie at or before Zuhr
    // (Fajr, Shuruq) or after it (Asr, Maghrib, Isha).
    const struct {
        const char* label;
        DayRow row;
        std::array<std::int64_t, kPrayerCount> minutes;
    } rows[] = {
        {"Kiritimati, 14 h ahead of its longitude: Fajr 29.3 h is 05:18 of the day",
         {29.3028049f, 30.548996f, 12.5585032f, 15.9709682f, 18.5679646f, 19.8126488f},
         {318, 393, 754, 958, 1114, 1189}},
        {"Dublin in May: Isha stored as 1.09 h falls after midnight",
         {1.87676311f, 5.47866249f, 13.3563519f, 17.5865631f, 21.2522793f, 1.08740079f},
         {113, 329, 801, 1055, 1275, 1440 + 65}},
        {"Fajr before midnight stays on the day before",
         {-0.5f, 4.0f, 12.0f, 15.0f, 20.0f, 24.5f},
         {-30, 240, 720, 900, 1200, 1470}},
    };
    for (const auto& row : rows) {
        const auto minutes = EventMinutes(row.row);
        for (int s = 0; s < kPrayerCount; ++s) {
            ASSERT_TRUE(minutes[s]) << row.label;
            EXPECT_EQ(*minutes[s], row.minutes[s]) << row.label << " slot " << s;
        }
    }
}

TEST(IcsOutput, WritesTheFirstAndLastAcceptedDays) {
    const CityLocation detroit = Place(42.3314, -83.0458, "America/Detroit", 2026);
    for (const CivilDate date : {CivilDate{1, 1, 1}, CivilDate{1, 1, 2}, CivilDate{9999, 12, 31}}) {
        const std::optional<DatedRow> day = ComputeOneDay(date, detroit, PrayerSettings{});
        std::ostringstream out;
        ASSERT_TRUE(day && WriteTimetableAsIcs(out, detroit, {*day}, 0)) << IsoDate(date);
        EXPECT_NE(out.str().find("END:VEVENT\r\nEND:VCALENDAR"), std::string::npos);
    }
}

}  // namespace
}  // namespace orvanta
