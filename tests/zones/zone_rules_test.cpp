#include "zones/zone_rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <iomanip>
#include <string>
#include <thread>
#include <vector>

namespace orvanta {
namespace {

constexpr double kTolerance = 1e-12;  // hours; every offset here is exact in binary

// From this date on (until the next run) the clock shows `clockHours` at local noon.
struct Run {
    unsigned month;
    unsigned day;
    double clockHours;
};

struct ZoneYearCase {
    const char* label;
    const char* zone;
    int year;
    double zoneHours;
    std::vector<Run> runs;  // in date order, the first on 1 January
};

// Day index by the standard library's calendar (independent of the date library).
int DayIndex(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    const sys_days jan1{std::chrono::year{year} / January / 1};
    return static_cast<int>((date - jan1).count());
}

int DaysInYear(int year) {
    return std::chrono::year{year}.is_leap() ? 366 : 365;
}

// Transition dates written down from the published rules (US: second Sunday of March to first
// Sunday of November since 2007; EU:
// last Sundays of March and October; south-east Australia: first Sundays of October and April),
// and for Casablanca from the installed release as zdump prints it.
const std::vector<ZoneYearCase> kZoneYearCases = {
    {"Detroit2026", "America/Detroit", 2026, -5.0, {{1, 1, -5.0}, {3, 8, -4.0}, {11, 1, -5.0}}},
    {"Sydney2026", "Australia/Sydney", 2026, 10.0, {{1, 1, 11.0}, {4, 5, 10.0}, {10, 4, 11.0}}},
    // Clocks go back to +00 from the Sunday before Ramadan 1447 (begins 18/19 February) to the
    // Sunday after the Eid (20 March); from 20 September 2026 the zone keeps +00.
    {"Casablanca2026",
     "Africa/Casablanca",
     2026,
     0.0,
     {{1, 1, 1.0}, {2, 15, 0.0}, {3, 22, 1.0}, {9, 20, 0.0}}},
    // Dublin's standard time is the summer one; zoneHours 1.0 still gives the winter clock 0.
    {"DublinFromIst", "Europe/Dublin", 2026, 1.0, {{1, 1, 0.0}, {3, 29, 1.0}, {10, 25, 0.0}}},
    {"LordHowe2026",
     "Australia/Lord_Howe",
     2026,
     10.5,
     {{1, 1, 11.0}, {4, 5, 10.5}, {10, 4, 11.0}}},
    // 2037 is the last year the compiled file lists; from 2038 the footer rule decides.
    {"Detroit2037", "America/Detroit", 2037, -5.0, {{1, 1, -5.0}, {3, 8, -4.0}, {11, 1, -5.0}}},
    {"Detroit2038", "America/Detroit", 2038, -5.0, {{1, 1, -5.0}, {3, 14, -4.0}, {11, 7, -5.0}}},
    // 2040 is a leap year.
    {"Detroit2040", "America/Detroit", 2040, -5.0, {{1, 1, -5.0}, {3, 11, -4.0}, {11, 4, -5.0}}},
    {"Sydney2040", "Australia/Sydney", 2040, 10.0, {{1, 1, 11.0}, {4, 1, 10.0}, {10, 7, 11.0}}},
    {"LordHowe2100",
     "Australia/Lord_Howe",
     2100,
     10.5,
     {{1, 1, 11.0}, {4, 4, 10.5}, {10, 3, 11.0}}},
    // Before its first recorded change Detroit keeps local mean time, -5:32:11.
    {"DetroitYear1", "America/Detroit", 1, -5.0, {{1, 1, -19931.0 / 3600.0}}},
};

TEST(ZoneDaylightShifts, ClockAtNoonFollowsTheTransitionDates) {
    for (const ZoneYearCase& c : kZoneYearCases) {
        SCOPED_TRACE(c.label);
        const auto shifts =
            ZoneDaylightShifts(c.zone, static_cast<std::int16_t>(c.year), c.zoneHours);
        ASSERT_TRUE(shifts.has_value());
        const int days = DaysInYear(c.year);
        std::size_t run = 0;
        for (int j = 0; j < days; ++j) {
            while (run + 1 < c.runs.size() &&
                   DayIndex(c.year, c.runs[run + 1].month, c.runs[run + 1].day) <= j) {
                ++run;
            }
            ASSERT_NEAR(c.zoneHours + (*shifts)[j], c.runs[run].clockHours, kTolerance)
                << "day index " << j;
        }
        if (days == 365) {
            EXPECT_EQ((*shifts)[365], 0.0) << "index 365 of a common year";
        }
    }
}

TEST(ZoneDaylightShifts, ExtremeYearsGiveFiniteConstantTables) {
    for (const char* zone : {"America/Detroit", "Australia/Lord_Howe", "Africa/Casablanca"}) {
        for (std::int16_t year : {std::int16_t{1}, std::int16_t{1600}, std::int16_t{9999}}) {
            const auto shifts = ZoneDaylightShifts(zone, year, 0.0);
            ASSERT_TRUE(shifts.has_value()) << zone << " " << year;
            for (double value : *shifts) {
                ASSERT_TRUE(std::isfinite(value)) << zone << " " << year;
                ASSERT_LT(std::fabs(value), 16.0) << zone << " " << year;
            }
        }
    }
}

TEST(ZoneDaylightShifts, RejectsWhatItCannotAnswer) {
    const struct {
        const char* label;
        std::string zone;
        int year;
        double zoneHours;
    } rows[] = {
        {"empty name", "", 2026, 0.0},
        {"unknown name", "Mars/Olympus_Mons", 2026, 0.0},
        {"path climbing out", "../../etc/passwd", 2026, 0.0},
        {"name in another case", "america/detroit", 2026, 0.0},
        {"path through a parent", "America/../UTC", 2026, 0.0},
        {"absolute path", "/usr/share/zoneinfo/UTC", 2026, 0.0},
        {"embedded NUL", std::string("UTC\0x", 5), 2026, 0.0},
        {"year 0", "America/Detroit", 0, -5.0},
        {"year 10000", "America/Detroit", 10000, -5.0},
        {"NaN zoneHours", "America/Detroit", 2026, std::nan("")},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(
            ZoneDaylightShifts(row.zone, static_cast<std::int16_t>(row.year), row.zoneHours))
            << row.label;
    }
}

TEST(SummarizeZone, SmallestNoonOffsetAndWhetherItChanges) {
    const struct {
        const char* zone;
        std::int16_t year;
        double zoneHours;
        std::int32_t biasMinutes;
        bool observesDst;
    } rows[] = {
        {"America/Detroit", 2026, -5.0, 300, true},
        {"Asia/Kathmandu", 2026, 5.75, -345, false},
        {"Australia/Adelaide", 2026, 9.5, -570, true},
        {"Australia/Lord_Howe", 2026, 10.5, -630, true},
        {"Europe/Dublin", 2026, 0.0, 0, true},
        {"Africa/Casablanca", 2026, 0.0, 0, true},
        {"Africa/Casablanca", 2027, 0.0, 0, false},
        {"America/Detroit", 1, -19931.0 / 3600.0, 332, false},  // -5:32:11 rounds to 332 min
    };
    for (const auto& row : rows) {
        const auto summary = SummarizeZone(row.zone, row.year);
        ASSERT_TRUE(summary.has_value()) << row.zone;
        EXPECT_NEAR(summary->zoneHours, row.zoneHours, kTolerance)
            << std::setprecision(17) << row.zone << " " << row.year;
        EXPECT_EQ(summary->biasMinutes, row.biasMinutes) << row.zone << " " << row.year;
        EXPECT_EQ(summary->observesDst, row.observesDst) << row.zone << " " << row.year;
    }
    EXPECT_FALSE(SummarizeZone("Mars/Olympus_Mons", 2026));
    EXPECT_FALSE(SummarizeZone("America/Detroit", 0));
}

TEST(ZoneDaylightShifts, ConcurrentCallsAgree) {
    const auto reference = ZoneDaylightShifts("Pacific/Auckland", 2050, 12.0);
    ASSERT_TRUE(reference.has_value());
    std::vector<std::thread> threads;
    std::vector<int> agreed(4, 0);
    for (std::size_t t = 0; t < agreed.size(); ++t) {
        threads.emplace_back([&agreed, &reference, t] {
            const char* zones[] = {"Pacific/Auckland", "America/Chicago", "Europe/Berlin",
                                   "America/Santiago"};
            for (const char* zone : zones) {
                (void)ZoneDaylightShifts(zone, 2060, 0.0);
            }
            agreed[t] = ZoneDaylightShifts("Pacific/Auckland", 2050, 12.0) == reference ? 1 : 0;
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (int ok : agreed) {
        EXPECT_EQ(ok, 1);
    }
}

}  // namespace
}  // namespace orvanta
