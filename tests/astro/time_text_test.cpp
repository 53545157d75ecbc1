// The clock text of a slot value: the 12-hour rules, the minute carry, times outside one day
// and values that are no time at all. (Every value near a half minute: tests/fuzz.)
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "astro/time_text.h"

namespace orvanta {
namespace {

// Hour 0 shows as 0, not 12; minutes that round to 60 carry (into noon, too); half a minute
// rounds up; values before 0 or from 24 on are an interval taken back across midnight, a
// daylight-saving hour past midnight or a zone far ahead of its longitude, shown from -24 to 48
// hours; beyond that, and for the no-event values (also with a shift), there is no time.
TEST(FormatPrayerTime, WorkedTexts) {
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<std::string, std::vector<double>>> rows = {
        {"  5:15 AM", {5.25}},
        {" 12:30 PM", {12.5}},
        {" 11:30 AM", {11.5}},
        {"  1:00 PM", {13.0}},
        {" 11:30 PM", {23.5, -0.5}},
        {"  7:00 AM", {6.9999}},
        {" 12:00 PM", {11.9999}},
        {"  1:00 AM", {59.5 / 60.0}},
        {"  0:59 AM", {59.49 / 60.0}},
        {"  0:30 AM", {24.5}},
        {"  0:15 AM", {-23.75}},
        {"  0:00 AM", {48.0, -24.0, 23.9999, -0.004}},
        {std::string(kCantDetermineText),
         {10'000'000.0, 10'000'001.0, 48.01, -24.01, 4294967295.0 / 60.0, -1e300,
          static_cast<double>(std::numeric_limits<float>::max()), kNan, kInf, -kInf}},
    };
    for (const auto& [expected, hours] : rows) {
        for (const double value : hours) {
            EXPECT_EQ(FormatPrayerTime(value), expected) << std::hexfloat << value;
        }
    }
}

}  // namespace
}  // namespace orvanta
