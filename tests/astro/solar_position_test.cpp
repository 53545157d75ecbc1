// Transit and event times against worked values (2024, 40 deg N 75 deg W, zone -5 unless a row
// says otherwise).
#include <gtest/gtest.h>

#include <vector>

#include "astro/angles.h"
#include "astro/solar_position.h"
#include "test_support.h"

namespace orvanta {
namespace {

using testing::Near;
using testing::Place;

constexpr double kHourTolerance = 1e-6;          // worked values are given to 6 decimals
constexpr double kHorizon = 1.5852825595864495;  // 90.83 deg

constexpr double kRadToDeg = 57.29577951308232;

const CityLocation kForty = Place(40.0, -75.0, -5.0);
const CityLocation kMecca = Place(DegMinToDegrees(21, 25), DegMinToDegrees(39, 49), 3.0);

TEST(SolarTransit, WorkedTransitsAndNoonZenithDistances) {
    const YearElements el = ComputeYearElements(2024);
    struct Row {
        const char* name;
        CityLocation city;
        std::int16_t day;
        double transit;
        double zenithDeg;
        double zenithToleranceDeg;
    };
    const std::vector<Row> rows = {
        {"40N day 1", kForty, 1, 12.057572, 62.999264, 1e-6},
        {"40N day 172", kForty, 172, 12.029652, 16.56391, 1e-5},
        {"40N day 80, wrapped from -11.878750", kForty, 80, 12.121250, -1.0, 0.0},
        {"Mecca day 1", kMecca, 1, 12.400615, -1.0, 0.0},
        {"10S day 172: |phi - delta| although phi - delta < 0", Place(-10.0, -75.0, -5.0), 172,
         -1.0, 33.43609, 1e-5},
    };
    for (const Row& row : rows) {
        const SolarTransitResult result = SolarTransit(el, row.city, row.day);
        if (row.transit >= 0.0) {
            EXPECT_TRUE(Near(row.name, row.transit, result.clockHours, kHourTolerance));
        }
        if (row.zenithDeg >= 0.0) {
            EXPECT_TRUE(Near(row.name, row.zenithDeg, result.noonZenithDistanceRad * kRadToDeg,
                             row.zenithToleranceDeg));
        }
        EXPECT_GE(result.noonZenithDistanceRad, 0.0) << row.name;
    }
}

TEST(SolarEventTime, WorkedSunrisesAndSunsets) {
    const YearElements el = ComputeYearElements(2024);
    struct Row {
        const char* name;
        CityLocation city;
        std::int16_t day;
        double seed;
        std::int16_t morning;
        double expected;
        double tolerance;
    };
    const std::vector<Row> rows = {
        {"40N day 1 sunrise", kForty, 1, 6.0, 1, 7.364371, kHourTolerance},
        {"40N day 1 sunset", kForty, 1, 18.0, 0, 16.753626, kHourTolerance},
        {"40N day 172 sunrise", kForty, 172, 6.0, 1, 4.521892, kHourTolerance},
        {"40N day 172 sunrise, seed 3.5", kForty, 172, 3.5, 1, 4.521538, kHourTolerance},
        {"40N day 172 sunset", kForty, 172, 18.0, 0, 19.53745, 1e-5},
        {"Mecca day 1 sunrise", kMecca, 1, 6.0, 1, 6.973556, kHourTolerance},
        {"Mecca day 1 sunset", kMecca, 1, 18.0, 0, 17.828896, kHourTolerance},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(Near(row.name, row.expected,
                         SolarEventTime(el, row.city, row.day, kHorizon, row.seed, row.morning),
                         row.tolerance));
    }
}

TEST(SolarEventTime, NoEventWhereTheSunNeverReachesTheZenithDistance) {
    const YearElements el = ComputeYearElements(2024);
    const CityLocation arctic = Place(70.0, -75.0, -5.0);
    // Midnight sun: the sun stays above the horizon angle all day in June ...
    EXPECT_EQ(SolarEventTime(el, arctic, 172, kHorizon, 6.0, 1), NO_EVENT_TIME);
    EXPECT_EQ(SolarEventTime(el, arctic, 172, kHorizon, 18.0, 0), NO_EVENT_TIME);
    // ... and below it all day in December (polar night).
    EXPECT_EQ(SolarEventTime(el, arctic, 355, kHorizon, 6.0, 1), NO_EVENT_TIME);
}

}  // namespace
}  // namespace orvanta
