// Shared helpers of the astronomy tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

namespace orvanta::testing {

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

// Relative tolerance against the expected magnitude.
inline ::testing::AssertionResult NearRelative(const std::string& what, double expected,
                                               double actual, double relative) {
    return Near(what, expected, actual, std::fabs(expected) * relative);
}

}  // namespace orvanta::testing
