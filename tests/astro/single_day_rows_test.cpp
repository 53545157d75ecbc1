// A range of single days: every row equal to the single day's own row, to the bit (a seed or a
// transit carried from the previous row instead of the day before would change the last bits
// that the CSV's hours column shows), including days without twilight or sunset and a shift.
#include <gtest/gtest.h>

#include <cstring>

#include "astro/day_table.h"
#include "astro/year_elements.h"
#include "test_support.h"

namespace orvanta {
namespace {

TEST(SingleDayRows, EachRowIsItsSingleDay) {
    const struct {
        const char* name;
        CityLocation city;
        std::int16_t method;
    } rows[] = {
        {"MeccaAngle", testing::Place(21.42, 39.83, 3.0), 0},
        {"TromsoAngleNoTwilightNoSunset", testing::Place(69.65, 18.96, 1.0), 0},
        {"UshuaiaInterval", testing::Place(-54.8, -68.3, -3.0), 1},
    };
    const YearElements elements = ComputeYearElements(2024);
    DaylightShiftTable shifts{};
    shifts.fill(0.0);
    for (int i = 80; i < 300; ++i) {
        shifts[static_cast<std::size_t>(i)] = 1.0;
    }
    for (const auto& row : rows) {
        PrayerSettings settings;
        settings.method = row.method;
        DayTable table{};
        ASSERT_TRUE(ComputeSingleDayRows(table, 3, 366, elements, row.city, settings, shifts));
        for (int i = 3; i < 366; ++i) {
            const DayRow single =
                ComputeSingleDayRow(static_cast<std::int16_t>(i), elements, row.city, settings,
                                    shifts[static_cast<std::size_t>(i)]);
            ASSERT_EQ(0,
                      std::memcmp(&single, &table.rows[static_cast<std::size_t>(i)], sizeof single))
                << row.name << " day index " << i;
        }
        EXPECT_FALSE(ComputeSingleDayRows(table, 0, 367, elements, row.city, settings, shifts));
    }
}

}  // namespace
}  // namespace orvanta
