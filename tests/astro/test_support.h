// Shared helpers of the astronomy tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include "astro/angles.h"
#include "astro/calculation_inputs.h"

namespace orvanta::testing {

// A place given in degrees, latitude north positive and longitude EAST positive, with its zone
// in hours east of Universal Time (the record keeps radians with longitude WEST positive).
inline CityLocation Place(double latitudeDeg, double longitudeEastDeg, double zoneHours) {
    CityLocation city;
    city.latitudeRad = DegreesToRadians(latitudeDeg);
    city.longitudeRad = -DegreesToRadians(longitudeEastDeg);
    city.zoneHours = zoneHours;
    return city;
}

// Passes when |actual - expected| <= tolerance; the message prints both in full precision.
inline ::testing::AssertionResult Near(const std::string& what, double expected, double actual,
                                       double tolerance) {
    if (std::fabs(actual - expected) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream message;
    message << std::setprecision(17) << what << ": expected " << expected << ", actual " << actual
            << ", difference " << (actual - expected) << ", tolerance " << tolerance;
    return ::testing::AssertionFailure() << message.str();
}

}  // namespace orvanta::testing
