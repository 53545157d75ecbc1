// Date arithmetic and the minute-exact local times that every output format shares.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/time_text.h"
#include "cli/civil_time.h"
#include "cli/times_output.h"

namespace orvanta {
namespace {

TEST(CivilTime, DaysFromCivilAnchorsAndRoundTrip) {
    struct Row {
        CivilDate date;
        std::int64_t days;
    };
    const std::vector<Row> anchors = {
        {{1970, 1, 1}, 0},      {{2000, 3, 1}, 11017},     {{1969, 12, 31}, -1},
        {{1, 1, 1}, -719162},   {{9999, 12, 31}, 2932896}, {{2024, 2, 29}, 19782},
        {{1900, 3, 1}, -25508},
    };
    for (const Row& row : anchors) {
        EXPECT_EQ(DaysFromCivil(row.date), row.days) << IsoDate(row.date);
        const CivilDate back = CivilFromDays(row.days);
        EXPECT_EQ(IsoDate(back), IsoDate(row.date));
    }
    // Consecutive day numbers are consecutive dates, across every month and leap rule.
    CivilDate previous = CivilFromDays(-719163);
    for (std::int64_t d = -719162; d <= 2932897; d += 1) {
        const CivilDate date = CivilFromDays(d);
        const bool nextDay = date.day == previous.day + 1 && date.month == previous.month;
        const bool nextMonth =
            date.day == 1 &&
            (date.month == previous.month + 1 ||
             (date.month == 1 && previous.month == 12 && date.year == previous.year + 1));
        ASSERT_TRUE(nextDay || nextMonth) << IsoDate(previous) << " -> " << IsoDate(date);
        ASSERT_EQ(DaysFromCivil(date), d);
        previous = date;
    }
}

TEST(CivilTime, SlotMinutesRoundLikeTheTimeTextAndKeepTheDay) {
    struct Row {
        double hours;
        std::optional<std::int64_t> minutes;
    };
    const std::vector<Row> rows = {
        {5.25, 315},  {0.75, 45},   {6.9999, 420},    {11.9999, 720}, {-0.5, -30},
        {24.5, 1470}, {30.2, 1812}, {23.9917, 1440},  {-24.0, -1440}, {48.0, 2880},
        {48.01, {}},  {360.0, {}},  {10000001.0, {}}, {-24.01, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SlotMinutes(row.hours), row.minutes) << row.hours;
    }
}

TEST(CivilTime, LocalDateTimesMoveToTheNeighbouringDate) {
    struct Row {
        CivilDate date;
        std::int64_t minutes;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {{2024, 3, 10}, 354, "2024-03-10T05:54:00"},   {{2024, 6, 20}, -30, "2024-06-19T23:30:00"},
        {{2024, 12, 31}, 1470, "2025-01-01T00:30:00"}, {{2024, 2, 28}, 1500, "2024-02-29T01:00:00"},
        {{2023, 2, 28}, 1500, "2023-03-01T01:00:00"},  {{2024, 3, 1}, -1, "2024-02-29T23:59:00"},
        {{2026, 1, 1}, 1812, "2026-01-02T06:12:00"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsoLocalDateTime(row.date, row.minutes), row.expected);
    }
}

TEST(CivilTime, OffsetsAndTwentyFourHourTexts) {
    EXPECT_EQ(OffsetText(5.75), "+05:45");
    EXPECT_EQ(OffsetText(-3.5), "-03:30");
    EXPECT_EQ(OffsetText(0.0), "+00:00");
    EXPECT_EQ(OffsetText(-4.0), "-04:00");
    EXPECT_EQ(OffsetText(13.0), "+13:00");
    struct Row {
        double hours;
        const char* text;
    };
    for (const Row& row : std::vector<Row>{{5.25, "05:15"},
                                           {0.75, "00:45"},
                                           {13.0, "13:00"},
                                           {11.9999, "12:00"},
                                           {23.9999, "00:00"},
                                           {24.5, "00:30"},
                                           {-0.5, "23:30"},
                                           {10000000.0, "??? (Can't determine)"}}) {
        EXPECT_EQ(FormatPrayerTime24(row.hours), row.text) << row.hours;
    }
}

}  // namespace
}  // namespace orvanta
