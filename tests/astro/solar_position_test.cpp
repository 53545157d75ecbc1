// Transit and event times against worked values for 2024.
#include "astro/solar_position.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace orvanta {
namespace {

constexpr double kHorizon = 1.5852825595864495;  // 90.83 deg
constexpr double kRadToDeg = 57.29577951308232;

// What is computed: "transit" (clock hours), "zenith" (the noon zenith distance in degrees,
// |latitude - declination| even where latitude - declination < 0), "rise" or "set"
// (clock hours of the upper limb at 90.83 deg, searched from the seed hours). Mecca is 21 25 N
// 39 49 E. Day 80 at 40 N wraps from -11.878750; at 70 N there is no sunrise or sunset at
// midsummer (midnight sun) nor at midwinter (polar night).
// latitude, longitude east, zone | day of 2024 | what | seed | expected hours or degrees, tolerance
constexpr const char* kWorked = R"(
40 -75 -5                             | 1   | transit | -   | 12.057572 1e-6
40 -75 -5                             | 1   | zenith  | -   | 62.999264 1e-6
40 -75 -5                             | 172 | zenith  | -   | 16.56391 1e-5
40 -75 -5                             | 80  | transit | -   | 12.121250 1e-6
-10 -75 -5                            | 172 | zenith  | -   | 33.43609 1e-5
40 -75 -5                             | 1   | rise    | 6   | 7.364371 1e-6
40 -75 -5                             | 1   | set     | 18  | 16.753626 1e-6
40 -75 -5                             | 172 | rise    | 6   | 4.521892 1e-6
40 -75 -5                             | 172 | rise    | 3.5 | 4.521538 1e-6
40 -75 -5                             | 172 | set     | 18  | 19.53745 1e-5
21.41666666666667 39.81666666666667 3 | 1   | rise    | 6   | 6.973556 1e-6
70 -75 -5                             | 172 | rise    | 6   | 10000000 0
70 -75 -5                             | 355 | rise    | 6   | 10000000 0
)";

TEST(SolarPosition, WorkedTransitsZenithDistancesSunrisesAndSunsets) {
    const YearElements el = ComputeYearElements(2024);
    for (const auto& row : testing::TableRows(kWorked)) {
        const std::vector<double> at = testing::Numbers(row[0]),
                                  expected = testing::Numbers(row[4]);
        const CityLocation city = testing::Place(at[0], at[1], at[2]);
        const auto day = static_cast<std::int16_t>(std::stoi(row[1]));
        const SolarTransitResult transit = SolarTransit(el, city, day);
        const double actual =
            row[2] == "transit" ? transit.clockHours
            : row[2] == "zenith"
                ? transit.noonZenithDistanceRad * kRadToDeg
                : SolarEventTime(el, city, day, kHorizon, std::stod(row[3]), row[2] == "rise");
        EXPECT_NEAR(expected[0], actual, expected[1])
            << row[0] + " day " + row[1] + " " + row[2] + " " + row[3];
    }
}

}  // namespace
}  // namespace orvanta
