// The CSV's hour values against the C library's printf, which they must equal byte for byte (the
// CSV promised "%.9g" before it was written without it). Its dates are checked in the
// command line's CSV rows, from year 0001 to 9999.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "timetable/hours_text.h"

namespace orvanta {
namespace {

std::string Printf(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string HoursText(float hours) {
    std::string text;
    AppendHoursText(text, hours);
    return text;
}

TEST(HoursText, EqualsPrintfOverEveryMagnitudeAndTheEdges) {
    // Every 4001st float from 2^-10 to 2^8, both signs: the fast range 1 .. 100, its borders
    // and the values around it that take the slower path.
    const std::uint32_t first = 0x3A800000;  // 2^-10
    const std::uint32_t last = 0x43800000;   // 256
    for (std::uint32_t bits = first; bits <= last; bits += 4001) {
        for (const float value : {std::bit_cast<float>(bits), -std::bit_cast<float>(bits)}) {
            ASSERT_EQ(HoursText(value), Printf("%.9g", static_cast<double>(value)))
                << "bits " << bits;
        }
    }
    // Exact halves in the ninth digit round to even (1 + 1/512, 1 + 3/512, 10 + 1/256); the
    // borders of the fast range and the float just below each; infinities and NaN.
    std::istringstream edges(
        "1.001953125 1.005859375 10.00390625 -1.001953125 0 -0 1 10 100 9.99999999 99.9999999 "
        "0x1.3ffffep+3 0x1.8ffffep+6 10000000 inf -inf nan");
    for (std::string word; edges >> word;) {
        const float value = std::strtof(word.c_str(), nullptr);
        EXPECT_EQ(HoursText(value), Printf("%.9g", static_cast<double>(value))) << word;
    }
}

}  // namespace
}  // namespace orvanta
