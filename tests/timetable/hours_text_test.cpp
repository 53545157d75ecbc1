// The CSV's hour values and dates against the C library's printf, which they must equal byte
// for byte (the CSV promised "%.9g" and "%04d-%02d-%02d" before they were written without it).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "timetable/civil_time.h"
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

float FloatOfBits(std::uint32_t bits) {
    float value = 0.0F;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(HoursText, EqualsPrintfOverEveryMagnitudeAndTheEdges) {
    // Every 4001st float from 2^-10 to 2^8, both signs: the fast range 1 .. 100, its borders
    // and the values around it that take the slower path.
    const std::uint32_t first = 0x3A800000;  // 2^-10
    const std::uint32_t last = 0x43800000;   // 256
    for (std::uint32_t bits = first; bits <= last; bits += 4001) {
        for (const float value : {FloatOfBits(bits), -FloatOfBits(bits)}) {
            ASSERT_EQ(HoursText(value), Printf("%.9g", static_cast<double>(value)))
                << "bits " << bits;
        }
    }
    // Exact halves in the ninth digit round to even: 1 + 1/512, 1 + 3/512, 10 + 1/256.
    const float edges[] = {1.001953125F,
                           1.005859375F,
                           10.00390625F,
                           -1.001953125F,
                           0.0F,
                           -0.0F,
                           1.0F,
                           10.0F,
                           100.0F,
                           9.99999999F,
                           99.9999999F,
                           nextafterf(10.0F, 0.0F),
                           nextafterf(100.0F, 0.0F),
                           10000000.0F,
                           std::numeric_limits<float>::infinity(),
                           -std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::quiet_NaN()};
    for (const float value : edges) {
        EXPECT_EQ(HoursText(value), Printf("%.9g", static_cast<double>(value))) << value;
    }
}

TEST(HoursText, IsoDateEqualsPrintfForEveryYear) {
    for (int year = 0; year <= 10000; ++year) {
        const CivilDate date{static_cast<std::int16_t>(year), 12, 31};
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, 12, 31);
        ASSERT_EQ(IsoDate(date), text);
    }
    EXPECT_EQ(IsoDate(CivilDate{2026, 1, 5}), "2026-01-05");
}

}  // namespace
}  // namespace orvanta
