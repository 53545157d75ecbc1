#include "location/zone_posix_rule.h"

#include <gtest/gtest.h>

#include <chrono>
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

TEST(ParsePosixZoneRule, ReadsOffsetsAndTransitions) {
    const struct {
        const char* text;
        std::int32_t standard;
        bool hasAlternative;
        std::int32_t alternative;
        PosixTransitionRule start;
        PosixTransitionRule end;
    } rows[] = {
        {"EST5EDT,M3.2.0,M11.1.0",
         -18000,
         true,
         -14400,
         {Form::MonthWeekDay, 0, 3, 2, 0, 7200},
         {Form::MonthWeekDay, 0, 11, 1, 0, 7200}},
        {"EST5EDT",
         -18000,
         true,
         -14400,
         {Form::MonthWeekDay, 0, 3, 2, 0, 7200},
         {Form::MonthWeekDay, 0, 11, 1, 0, 7200}},
        {"IST-1GMT0,M10.5.0,M3.5.0/1",
         3600,
         true,
         0,
         {Form::MonthWeekDay, 0, 10, 5, 0, 7200},
         {Form::MonthWeekDay, 0, 3, 5, 0, 3600}},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
         37800,
         true,
         39600,
         {Form::MonthWeekDay, 0, 10, 1, 0, 7200},
         {Form::MonthWeekDay, 0, 4, 1, 0, 7200}},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0",
         -7200,
         true,
         -3600,
         {Form::MonthWeekDay, 0, 3, 5, 0, -3600},
         {Form::MonthWeekDay, 0, 10, 5, 0, 0}},
        {"XXX3XXY,J60/2:30,300/-167:59:59",
         -10800,
         true,
         -7200,
         {Form::JulianNoLeap, 60, 3, 2, 0, 9000},
         {Form::ZeroBased, 300, 3, 2, 0, -604799}},
        {"<+0545>-5:45", 20700, false, 0, {}, {}},
        {"<+00>0", 0, false, 0, {}, {}},
        {"HST10", -36000, false, 0, {}, {}},
    };
    for (const auto& row : rows) {
        const auto rule = ParsePosixZoneRule(row.text);
        ASSERT_TRUE(rule.has_value()) << row.text;
        EXPECT_EQ(rule->standardOffsetSeconds, row.standard) << row.text;
        EXPECT_EQ(rule->hasAlternative, row.hasAlternative) << row.text;
        if (!row.hasAlternative) {
            continue;
        }
        EXPECT_EQ(rule->alternativeOffsetSeconds, row.alternative) << row.text;
        for (const auto& [actual, expected] :
             {std::pair{rule->start, row.start}, std::pair{rule->end, row.end}}) {
            EXPECT_EQ(actual.form, expected.form) << row.text;
            EXPECT_EQ(actual.timeSeconds, expected.timeSeconds) << row.text;
            if (expected.form == Form::MonthWeekDay) {
                EXPECT_EQ(actual.month, expected.month) << row.text;
                EXPECT_EQ(actual.week, expected.week) << row.text;
                EXPECT_EQ(actual.weekday, expected.weekday) << row.text;
            } else {
                EXPECT_EQ(actual.day, expected.day) << row.text;
            }
        }
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
    const struct {
        const char* label;
        const char* rule;
        std::int64_t utc;
        std::int32_t expected;
    } rows[] = {
        {"US before spring", "EST5EDT,M3.2.0,M11.1.0", Utc(2026, 3, 8, 6, 59, 59), -18000},
        {"US at spring", "EST5EDT,M3.2.0,M11.1.0", Utc(2026, 3, 8, 7, 0, 0), -14400},
        {"US before autumn", "EST5EDT,M3.2.0,M11.1.0", Utc(2026, 11, 1, 5, 59, 59), -14400},
        {"US at autumn", "EST5EDT,M3.2.0,M11.1.0", Utc(2026, 11, 1, 6, 0, 0), -18000},
        {"Sydney before April", "AEST-10AEDT,M10.1.0,M4.1.0/3", Utc(2026, 4, 4, 15, 59, 59), 39600},
        {"Sydney at April", "AEST-10AEDT,M10.1.0,M4.1.0/3", Utc(2026, 4, 4, 16, 0, 0), 36000},
        {"Sydney before October", "AEST-10AEDT,M10.1.0,M4.1.0/3", Utc(2026, 10, 3, 15, 59, 59),
         36000},
        {"Sydney at October", "AEST-10AEDT,M10.1.0,M4.1.0/3", Utc(2026, 10, 3, 16, 0, 0), 39600},
        {"Sydney New Year", "AEST-10AEDT,M10.1.0,M4.1.0/3", Utc(2026, 12, 31, 13, 30, 0), 39600},
        {"Dublin winter", "IST-1GMT0,M10.5.0,M3.5.0/1", Utc(2026, 1, 15, 12, 0, 0), 0},
        {"Dublin before March", "IST-1GMT0,M10.5.0,M3.5.0/1", Utc(2026, 3, 29, 0, 59, 59), 0},
        {"Dublin at March", "IST-1GMT0,M10.5.0,M3.5.0/1", Utc(2026, 3, 29, 1, 0, 0), 3600},
        {"Dublin before October", "IST-1GMT0,M10.5.0,M3.5.0/1", Utc(2026, 10, 25, 0, 59, 59), 3600},
        {"Dublin at October", "IST-1GMT0,M10.5.0,M3.5.0/1", Utc(2026, 10, 25, 1, 0, 0), 0},
        {"Nuuk before March", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0", Utc(2026, 3, 29, 0, 59, 59),
         -7200},
        {"Nuuk at March", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0", Utc(2026, 3, 29, 1, 0, 0), -3600},
        {"Always ahead, 1 Jan", "EST5EDT,0/0,J365/25", Utc(2026, 1, 1, 5, 0, 0), -14400},
        {"Always ahead, 31 Dec leap", "EST5EDT,0/0,J365/25", Utc(2025, 1, 1, 4, 59, 59), -14400},
        {"Always ahead, mid-year", "EST5EDT,0/0,J365/25", Utc(2024, 7, 1, 0, 0, 0), -14400},
        {"Fixed", "<+0545>-5:45", Utc(2026, 7, 1, 0, 0, 0), 20700},
        {"Year 9999", "EST5EDT,M3.2.0,M11.1.0", Utc(9999, 7, 1, 0, 0, 0), -14400},
    };
    for (const auto& row : rows) {
        const auto rule = ParsePosixZoneRule(row.rule);
        ASSERT_TRUE(rule.has_value()) << row.label;
        EXPECT_EQ(PosixRuleOffsetAt(*rule, row.utc), row.expected) << row.label;
    }
}

}  // namespace
}  // namespace orvanta
