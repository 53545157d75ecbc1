// A timetable's days: each year of a range with its own zone rules, each event dated by its place
// in the day. (The clock of each event and the published offsets are checked through the command
// line's JSON.)
#include <gtest/gtest.h>

#include "timetable/civil_time.h"
#include "timetable/event_dates.h"
#include "timetable/timetable.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

// A place by its coordinates (degrees, north and EAST positive) and zone, settled for a year as
// the command line settles a zone given by name.
CityLocation Place(double latitude, double longitudeEast, const char* zone, std::int16_t year) {
    constexpr double kRadiansPerDegree = 0.017453292519943295;
    CityLocation city;
    city.latitudeRad = latitude * kRadiansPerDegree;
    city.longitudeRad = -longitudeEast * kRadiansPerDegree;
    city.zoneName = zone;
    const std::optional<ZoneSummary> summary = SummarizeZone(zone, year);
    city.zoneHours = summary ? summary->zoneHours : 0.0;
    city.supportsDst = summary && summary->observesDst ? 1 : 0;
    return city;
}

// Nuuk moved to -2 in October 2023, Almaty to +5 in March 2024, Ittoqqortoormiit to -2 in March
// 2024: a range that starts the year before gives the year exactly as a run of that year alone.
TEST(DateRange, EachYearHasItsOwnZoneRules) {
    const struct {
        const char* zone;
        double latitude, longitudeEast;
        std::int16_t year;
    } rows[] = {{"America/Nuuk", 64.1814, -51.6941, 2024},
                {"Asia/Almaty", 43.2567, 76.9286, 2025},
                {"America/Scoresbysund", 70.4853, -21.9667, 2025}};
    for (const auto& row : rows) {
        const auto prior = static_cast<std::int16_t>(row.year - 1);
        const auto range = ComputeDateRange({prior, 1, 1}, {row.year, 12, 31},
                                            Place(row.latitude, row.longitudeEast, row.zone, prior),
                                            {}, {}, ZoneYears::EachYear);
        const auto alone =
            ComputeDateRange({row.year, 1, 1}, {row.year, 12, 31},
                             Place(row.latitude, row.longitudeEast, row.zone, row.year), {});
        ASSERT_TRUE(range && alone) << row.zone;
        const std::size_t skip = range->size() - alone->size();
        ASSERT_EQ(skip, prior % 4 == 0 ? 366U : 365U) << row.zone;
        for (std::size_t i = 0; i < alone->size(); ++i) {
            const DatedRow& a = (*range)[skip + i];
            const DatedRow& b = (*alone)[i];
            ASSERT_TRUE(a.row == b.row && a.utcOffsetHours == b.utcOffsetHours &&
                        a.eventOffsetHours == b.eventOffsetHours)
                << row.zone << " " << IsoDate(b.date);
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

}  // namespace
}  // namespace orvanta
