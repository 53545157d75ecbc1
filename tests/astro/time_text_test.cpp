// The clock text of a slot value: the 12-hour rules, the minute carry, times outside one day
// and values that are no time at all. (Every value near a half minute: tests/fuzz.)
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "astro/time_text.h"

namespace orvanta {
namespace {

TEST(FormatPrayerTime, WorkedTexts) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::string none(kCantDetermineText);
    const std::vector<std::pair<double, std::string>> rows = {
        {5.25, "  5:15 AM"},
        {0.75, "  0:45 AM"},  // hour 0 shows as 0, not 12
        {12.5, " 12:30 PM"},
        {11.5, " 11:30 AM"},
        {13.0, "  1:00 PM"},
        {23.5, " 11:30 PM"},
        {6.9999, "  7:00 AM"},       // minutes round to 60 and carry
        {11.9999, " 12:00 PM"},      // the carry reaches noon
        {59.5 / 60.0, "  1:00 AM"},  // half a minute rounds up
        {59.49 / 60.0, "  0:59 AM"},
        {-0.5, " 11:30 PM"},  // an interval taken back across midnight
        {24.5, "  0:30 AM"},  // a daylight-saving hour past midnight
        {30.2, "  6:12 AM"},  // a zone far ahead of its longitude
        {-23.75, "  0:15 AM"},
        {48.0, "  0:00 AM"},
        {-24.0, "  0:00 AM"},
        {23.9999, "  0:00 AM"},  // just before midnight rounds to midnight
        {-0.004, "  0:00 AM"},
        {10'000'000.0, none},
        {10'000'001.0, none},  // no event, with a daylight-saving hour
        {48.01, none},
        {-24.01, none},
        {4294967295.0 / 60.0, none},
        {-1e300, none},
        {static_cast<double>(std::numeric_limits<float>::max()), none},
        {nan, none},
        {inf, none},
        {-inf, none},
    };
    for (const auto& [hours, expected] : rows) {
        EXPECT_EQ(FormatPrayerTime(hours), expected) << std::hexfloat << hours;
    }
}

}  // namespace
}  // namespace orvanta
