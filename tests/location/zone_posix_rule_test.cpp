#include "location/zone_posix_rule.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>

namespace orvanta {
namespace {

using Form = PosixTransitionRule::Form;

// Seconds since 1970-01-01 00:00 UTC of a UTC date and time, by the standard library.
std::int64_t Utc(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    return date.time_since_epoch().count() * 86400 + hour * 3600 + minute * 60 + second;
}

// A transition as the rule text writes it, with its time in seconds: "M3.2.0/7200".
std::string Describe(const PosixTransitionRule& rule) {
    std::ostringstream text;
    if (rule.form == Form::MonthWeekDay) {
        text << 'M' << rule.month << '.' << rule.week << '.' << rule.weekday;
    } else {
        text << (rule.form == Form::JulianNoLeap ? "J" : "") << rule.day;
    }
    text << '/' << rule.timeSeconds;
    return text.str();
}

TEST(ParsePosixZoneRule, ReadsOffsetsAndTransitions) {
    const struct {
        const char* text;
        std::int32_t standard;
        std::int32_t alternative;
        const char* start;
        const char* end;
    } rows[] = {
        {"EST5EDT,M3.2.0,M11.1.0", -18000, -14400, "M3.2.0/7200", "M11.1.0/7200"},
        {"EST5EDT", -18000, -14400, "M3.2.0/7200", "M11.1.0/7200"},
        {"IST-1GMT0,M10.5.0,M3.5.0/1", 3600, 0, "M10.5.0/7200", "M3.5.0/3600"},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 37800, 39600, "M10.1.0/7200", "M4.1.0/7200"},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", -7200, -3600, "M3.5.0/-3600", "M10.5.0/0"},
        {"XXX3XXY,J60/2:30,300/-167:59:59", -10800, -7200, "J60/9000", "300/-604799"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto rule = ParsePosixZoneRule(row.text);
        ASSERT_TRUE(rule.has_value());
        EXPECT_EQ(rule->standardOffsetSeconds, row.standard);
        EXPECT_TRUE(rule->hasAlternative);
        EXPECT_EQ(rule->alternativeOffsetSeconds, row.alternative);
        EXPECT_EQ(Describe(rule->start), row.start);
        EXPECT_EQ(Describe(rule->end), row.end);
    }
    // Fixed offsets: no alternative.
    for (const auto& [text, standard] :
         {std::pair{"<+0545>-5:45", 20700}, std::pair{"<+00>0", 0}, std::pair{"HST10", -36000}}) {
        const auto rule = ParsePosixZoneRule(text);
        ASSERT_TRUE(rule.has_value()) << text;
        EXPECT_EQ(rule->standardOffsetSeconds, standard) << text;
        EXPECT_FALSE(rule->hasAlternative) << text;
    }
}

TEST(ParsePosixZoneRule, RejectsMalformedText) {
    for (const char* text :
         {"", "ES5", "EST", "EST5EDT,M3.2.0", "EST5EDT,M13.2.0,M11.1.0", "EST5EDT,M3.6.0,M11.1.0",
          "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,J0,J365", "EST5EDT,366,0",
          "EST5EDT,M3.2.0/168,M11.1.0", "EST25", "EST5:60", "<AB>5", "<+0545-5:45",
          "EST5EDT,M3.2.0,M11.1.0x", "EST5 EDT", "EST5EDT4,", "EST+"}) {
        EXPECT_FALSE(ParsePosixZoneRule(text).has_value()) << "\"" << text << "\"";
    }
}

TEST(PosixRuleOffsetAt, SwitchesAtTheTransitionInstants) {
    const char* us = "EST5EDT,M3.2.0,M11.1.0";
    const char* sydney = "AEST-10AEDT,M10.1.0,M4.1.0/3";
    const char* dublin = "IST-1GMT0,M10.5.0,M3.5.0/1";
    const char* nuuk = "<-02>2<-01>,M3.5.0/-1,M10.5.0/0";
    const char* alwaysAhead = "EST5EDT,0/0,J365/25";
    const struct {
        const char* label;
        const char* rule;
        std::int64_t utc;
        std::int32_t expected;
    } rows[] = {
        {"US before spring", us, Utc(2026, 3, 8, 6, 59, 59), -18000},
        {"US at spring", us, Utc(2026, 3, 8, 7, 0, 0), -14400},
        {"US before autumn", us, Utc(2026, 11, 1, 5, 59, 59), -14400},
        {"US at autumn", us, Utc(2026, 11, 1, 6, 0, 0), -18000},
        {"Sydney before April", sydney, Utc(2026, 4, 4, 15, 59, 59), 39600},
        {"Sydney at April", sydney, Utc(2026, 4, 4, 16, 0, 0), 36000},
        {"Sydney before October", sydney, Utc(2026, 10, 3, 15, 59, 59), 36000},
        {"Sydney at October", sydney, Utc(2026, 10, 3, 16, 0, 0), 39600},
        {"Sydney New Year", sydney, Utc(2026, 12, 31, 13, 30, 0), 39600},
        {"Dublin winter", dublin, Utc(2026, 1, 15, 12, 0, 0), 0},
        {"Dublin before March", dublin, Utc(2026, 3, 29, 0, 59, 59), 0},
        {"Dublin at March", dublin, Utc(2026, 3, 29, 1, 0, 0), 3600},
        {"Dublin before October", dublin, Utc(2026, 10, 25, 0, 59, 59), 3600},
        {"Dublin at October", dublin, Utc(2026, 10, 25, 1, 0, 0), 0},
        {"Nuuk before March", nuuk, Utc(2026, 3, 29, 0, 59, 59), -7200},
        {"Nuuk at March", nuuk, Utc(2026, 3, 29, 1, 0, 0), -3600},
        {"Always ahead, 1 Jan", alwaysAhead, Utc(2026, 1, 1, 5, 0, 0), -14400},
        {"Always ahead, 31 Dec leap", alwaysAhead, Utc(2025, 1, 1, 4, 59, 59), -14400},
        {"Always ahead, mid-year", alwaysAhead, Utc(2024, 7, 1, 0, 0, 0), -14400},
        {"Fixed", "<+0545>-5:45", Utc(2026, 7, 1, 0, 0, 0), 20700},
        {"Year 9999", us, Utc(9999, 7, 1, 0, 0, 0), -14400},
    };
    for (const auto& row : rows) {
        const auto rule = ParsePosixZoneRule(row.rule);
        ASSERT_TRUE(rule.has_value()) << row.label;
        EXPECT_EQ(PosixRuleOffsetAt(*rule, row.utc), row.expected) << row.label;
    }
}

}  // namespace
}  // namespace orvanta
