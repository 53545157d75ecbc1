// The POSIX rule of a compiled zone file's footer.
#include "zones/zone_posix_rule.h"

#include <gtest/gtest.h>

#include <ctime>
#include <iomanip>
#include <sstream>
#include <string>

#include "tests/astro/test_support.h"

namespace orvanta {
namespace {

TEST(ParsePosixZoneRule, RejectsMalformedText) {
    for (const char* text : {"", "ES5", "EST5EDT,M3.2.0", "EST5EDT,M13.2.0,M11.1.0",
                             "EST5EDT,M3.6.0,M11.1.0", "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,J0,J365",
                             "EST5EDT,366,0", "EST5EDT,M3.2.0/168,M11.1.0", "EST25", "EST5:60",
                             "<AB>5", "<+0545-5:45", "EST5EDT,M3.2.0,M11.1.0x"}) {
        EXPECT_FALSE(ParsePosixZoneRule(text).has_value()) << "\"" << text << "\"";
    }
}

// Each rule the second before and at a change, and inside its summer across the year end: the
// US and Sydney, Dublin's negative summer time, Nuuk's change at -1:00, a summer all year, a
// fixed offset and a change at a time far below zero (300/-167:59:59).
// rule | UT | offset in seconds east
constexpr const char* kRuleInstants = R"(
EST5EDT,M3.2.0,M11.1.0          | 2026-03-08 06:59:59 | -18000
EST5EDT,M3.2.0,M11.1.0          | 2026-03-08 07:00:00 | -14400
AEST-10AEDT,M10.1.0,M4.1.0/3    | 2026-04-04 15:59:59 | 39600
AEST-10AEDT,M10.1.0,M4.1.0/3    | 2026-04-04 16:00:00 | 36000
AEST-10AEDT,M10.1.0,M4.1.0/3    | 2026-12-31 13:30:00 | 39600
IST-1GMT0,M10.5.0,M3.5.0/1      | 2026-03-29 00:59:59 | 0
IST-1GMT0,M10.5.0,M3.5.0/1      | 2026-03-29 01:00:00 | 3600
<-02>2<-01>,M3.5.0/-1,M10.5.0/0 | 2026-03-29 00:59:59 | -7200
<-02>2<-01>,M3.5.0/-1,M10.5.0/0 | 2026-03-29 01:00:00 | -3600
EST5EDT,0/0,J365/25             | 2026-01-01 05:00:00 | -14400
EST5EDT,0/0,J365/25             | 2025-01-01 04:59:59 | -14400
<+0545>-5:45                    | 2026-07-01 00:00:00 | 20700
XXX3XXY,J60/2:30,300/-167:59:59 | 2026-03-01 05:29:59 | -10800
XXX3XXY,J60/2:30,300/-167:59:59 | 2026-03-01 05:30:00 | -7200
)";

TEST(PosixRuleOffsetAt, SwitchesAtTheTransitionInstants) {
    for (const auto& row : testing::TableRows(kRuleInstants)) {
        const auto rule = ParsePosixZoneRule(row[0]);
        std::tm t{};
        std::istringstream(row[1]) >> std::get_time(&t, "%Y-%m-%d %T");
        ASSERT_TRUE(rule.has_value()) << row[0];
        EXPECT_EQ(PosixRuleOffsetAt(*rule, timegm(&t)), std::stoi(row[2]))
            << row[0] << " " << row[1];
    }
}

}  // namespace
}  // namespace orvanta
