// Date arithmetic of the command line's ranges, over the whole calendar.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "timetable/civil_time.h"

namespace orvanta {
namespace {

TEST(CivilTime, DaysFromCivilAnchorsAndRoundTrip) {
    const std::vector<std::pair<CivilDate, std::int64_t>> anchors = {
        {{1970, 1, 1}, 0},      {{2000, 3, 1}, 11017},     {{1969, 12, 31}, -1},
        {{1, 1, 1}, -719162},   {{9999, 12, 31}, 2932896}, {{2024, 2, 29}, 19782},
        {{1900, 3, 1}, -25508},
    };
    for (const auto& [date, days] : anchors) {
        EXPECT_EQ(DaysFromCivil(date), days) << IsoDate(date);
        EXPECT_EQ(IsoDate(CivilFromDays(days)), IsoDate(date));
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

}  // namespace
}  // namespace orvanta
