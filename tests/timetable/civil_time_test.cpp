// Date arithmetic of the command line's ranges, over the whole calendar.
#include <gtest/gtest.h>

#include <string>

#include "timetable/civil_time.h"

namespace orvanta {
namespace {

TEST(CivilTime, DaysFromCivilAnchorsAndRoundTrip) {
    // One anchor pins the count; the walk below makes every other date follow from it.
    EXPECT_EQ(DaysFromCivil({1970, 1, 1}), 0);
    EXPECT_EQ(IsoDate(CivilFromDays(-719162)), "0001-01-01");
    EXPECT_EQ(IsoDate(CivilFromDays(2932896)), "9999-12-31");
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
