#include "zones/zone_rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "tests/astro/test_support.h"
#include "tests/support/scratch_database.h"
#include "tests/support/tzdata_release.h"

namespace orvanta {
namespace {

constexpr double kTolerance = 1e-12;  // hours; every offset here is exact in binary

// Transition dates written down from the published rules (US: second Sunday of March to first
// Sunday of November since 2007; EU: last Sundays of March and October; south-east Australia:
// first Sundays of October and April). Dublin's standard time is the
// summer one: zoneHours 1.0 still gives the winter clock 0. From 2038 Detroit's footer rule
// decides (the instants of 2024 .. 2040 are checked against zdump in zone_file_test), up to
// 9999; 2040 is a leap year.
// Before its first recorded change a zone keeps local mean time: Detroit -5:32:11, Lord Howe
// +10:36:20.
// zone | year, zoneHours | its summary: smallest noon offset in hours, minutes west of UT and
// whether it changes | runs: month, day and the clock at local noon from that date on
constexpr const char* kZoneYears = R"(
America/Detroit     | 2026 -5   | -5 300 1      | 1 1 -5 | 3 8 -4   | 11 1 -5
Australia/Sydney    | 2026 10   | 10 -600 1     | 1 1 11 | 4 5 10   | 10 4 11
Asia/Kathmandu      | 2026 5.75 | 5.75 -345 0   | 1 1 5.75
Europe/Dublin       | 2026 1    | 0 0 1         | 1 1 0  | 3 29 1   | 10 25 0
Australia/Lord_Howe | 2026 10.5 | 10.5 -630 1   | 1 1 11 | 4 5 10.5 | 10 4 11
America/Detroit     | 2040 -5   | -5 300 1      | 1 1 -5 | 3 11 -4  | 11 4 -5
Australia/Lord_Howe | 2100 10.5 | 10.5 -630 1   | 1 1 11 | 4 4 10.5 | 10 3 11
America/Detroit     | 1 -5      | -5.536388888888889 332 0 | 1 1 -5.536388888888889
Australia/Lord_Howe | 1600 10.5 | 10.605555555555556 -636 0 | 1 1 10.605555555555556
America/Detroit     | 9999 -5   | -5 300 1      | 1 1 -5 | 3 14 -4  | 11 7 -5
)";

// Rules of tzdata 2026c, as zdump prints them: Casablanca's clocks go back to +00 from the Sunday
// before Ramadan 1447 to the Sunday after the Eid, and from 20 September 2026 it keeps +00 (2026b
// kept +01).
constexpr const char* kZoneYearsFrom2026c = R"(
Africa/Casablanca   | 2026 0    | 0 0 1         | 1 1 1  | 2 15 0   | 3 22 1  | 9 20 0
Africa/Casablanca   | 9999 0    | 0 0 0         | 1 1 0
)";

// Day index of a date by the standard library's calendar (independent of the zone code).
int DayIndex(int year, double month, double day) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / static_cast<int>(month) / static_cast<int>(day)};
    return static_cast<int>((date - sys_days{std::chrono::year{year} / 1 / 1}).count());
}

void ExpectZoneYears(const char* table) {
    for (const auto& row : testing::TableRows(table)) {
        SCOPED_TRACE(row[0] + " " + row[1]);
        const std::vector<double> head = testing::Numbers(row[1]), sum = testing::Numbers(row[2]);
        const auto year = static_cast<std::int16_t>(head[0]);
        const auto shifts = ZoneDaylightShifts(row[0], year, head[1]);
        const auto summary = SummarizeZone(row[0], year);
        ASSERT_TRUE(shifts.has_value() && summary.has_value());
        EXPECT_NEAR(summary->zoneHours, sum[0], kTolerance);
        EXPECT_EQ(summary->biasMinutes, sum[1]);
        EXPECT_EQ(summary->observesDst, sum[2] != 0);
        const int days = DayIndex(year, 12, 31) + 1;
        for (std::size_t run = 3; run < row.size(); ++run) {
            const std::vector<double> from = testing::Numbers(row[run]);
            const std::vector<double> next =
                testing::Numbers(run + 1 < row.size() ? row[run + 1] : "");
            const int end = next.empty() ? days : DayIndex(year, next[0], next[1]);
            for (int j = DayIndex(year, from[0], from[1]); j < end; ++j) {
                ASSERT_NEAR(head[1] + (*shifts)[j], from[2], kTolerance) << "day " << j;
            }
        }
        if (days == 365) {
            EXPECT_EQ((*shifts)[365], 0.0) << "index 365 of a common year";
        }
    }
}

TEST(ZoneDaylightShifts, ClockAtNoonFollowsTheTransitionDatesAndTheSummaryAgrees) {
    ExpectZoneYears(kZoneYears);
}

TEST(ZoneDaylightShifts, ClockAtNoonFollowsTheRulesOfTzdata2026c) {
    if (const std::string missing = testing_support::MissingTzdata("2026c"); !missing.empty()) {
        GTEST_SKIP() << missing;
    }
    ExpectZoneYears(kZoneYearsFrom2026c);
}

// The release a test needs, against the first line of a tzdata.zi.
TEST(ZoneDaylightShifts, TestsNeedingANewerTzdataNameIt) {
    // first line | release needed | reason to skip ("" : the test runs)
    constexpr const char* kRows = R"(
# version 2026b  | 2026c  | needs tzdata 2026c or later; this system has 2026b
# version 2026z  | 2026za | needs tzdata 2026za or later; this system has 2026z
# version 2026c  | 2026c  |
# version 2026f  | 2026c  |
# version 2026aa | 2026c  |
# redo posix_only | 2026c |
)";
    testing_support::ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::string file = (folder.Path() / "tzdata.zi").string();
    for (const auto& row : testing::TableRows(kRows)) {
        testing_support::WriteBytes(file, row[0] + "\n# version 2099a\n");
        EXPECT_EQ(testing_support::MissingTzdata(row[1], file), row.size() > 2 ? row[2] : "")
            << row[0];
    }
}

// Names that are no zone: unknown, in another case, paths out of or around the zone folder, and
// the tables and leap-second zones the system's folder holds beside the zones.
TEST(ZoneDaylightShifts, RejectsWhatItCannotAnswer) {
    using namespace std::literals;
    for (const std::string_view name :
         {""sv, "Mars/Olympus_Mons"sv, "../../etc/passwd"sv, "america/detroit"sv,
          "America/../UTC"sv, "/usr/share/zoneinfo/UTC"sv, "UTC\0x"sv, "zone.tab"sv,
          "iso3166.tab"sv, "tzdata.zi"sv, "leapseconds"sv, "right/UTC"sv, "America"sv,
          "posixrules/x"sv}) {
        EXPECT_FALSE(ZoneDaylightShifts(name, 2026, 0.0)) << name;
        EXPECT_FALSE(IsKnownZone(name)) << name;
        EXPECT_FALSE(SummarizeZone(name, 2026)) << name;
    }
    EXPECT_FALSE(ZoneDaylightShifts("America/Detroit", 0, -5.0));
    EXPECT_FALSE(SummarizeZone("America/Detroit", 0));
    EXPECT_FALSE(ZoneDaylightShifts("America/Detroit", 10000, -5.0));
    EXPECT_FALSE(ZoneDaylightShifts("America/Detroit", 2026, std::nan("")));
}

}  // namespace
}  // namespace orvanta
