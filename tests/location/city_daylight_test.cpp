// Which daylight-saving table a city gets: its zone's real rules, or the fixed window only
// when it names no zone.
#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "astro/daylight_shift.h"
#include "location/city_daylight.h"
#include "location/zone_rules.h"

namespace orvanta {
namespace {

CityLocation CityInZone(const char* zoneName, double zoneHours, std::int16_t supportsDst) {
    CityLocation city;
    city.zoneName = zoneName;
    city.zoneHours = zoneHours;
    city.supportsDst = supportsDst;
    return city;
}

TEST(DaylightShiftsForCity, NamedZoneUsesItsRealRules) {
    // Sydney's summer wraps the year end: the fixed April-October window would be wrong.
    const auto shifts = DaylightShiftsForCity(CityInZone("Australia/Sydney", 10.0, 1), 2026);
    ASSERT_TRUE(shifts);
    EXPECT_EQ((*shifts)[0], 1.0);    // 1 January: summer time
    EXPECT_EQ((*shifts)[180], 0.0);  // 30 June: standard time
    EXPECT_EQ(*shifts, *ZoneDaylightShifts("Australia/Sydney", 2026, 10.0));
}

TEST(DaylightShiftsForCity, UnreadableZoneIsAnErrorNotTheFixedWindow) {
    EXPECT_FALSE(DaylightShiftsForCity(CityInZone("Mars/Olympus_Mons", -5.0, 1), 2026));
    EXPECT_FALSE(DaylightShiftsForCity(CityInZone("America/Detroit", -5.0, 1), 0));
}

TEST(DaylightShiftsForCity, CityWithoutZoneNameFollowsTheFixedWindow) {
    const auto observing = DaylightShiftsForCity(CityInZone("", -5.0, 1), 2024);
    ASSERT_TRUE(observing);
    EXPECT_EQ(*observing, DaylightShiftFromWindow(ComputeYearCalendar(2024, 1).dstWindow));
    const auto standard = DaylightShiftsForCity(CityInZone("", -5.0, 0), 2024);
    ASSERT_TRUE(standard);
    EXPECT_EQ(*standard, DaylightShiftTable{});
}

}  // namespace
}  // namespace orvanta
