// The yearly solar elements against worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "astro/year_elements.h"
#include "test_support.h"

namespace orvanta {
namespace {

using testing::Near;

constexpr double kRelative = 1e-12;

TEST(DaysFromJ2000, CountsLeapDaysOfTheYearsBefore) {
    struct Row {
        std::int16_t year;
        double d0;
    };
    for (const Row& row : std::vector<Row>{
             {2000, -1.5}, {2001, 364.5}, {2024, 8764.5}, {1900, -36525.5}, {2100, 36523.5}}) {
        EXPECT_TRUE(Near("D0 of " + std::to_string(row.year), row.d0,
                         DaysFromJ2000ToYearEpoch(row.year), 0.0));
    }
}

TEST(YearElements, EpochValuesMatchWorkedValues) {
    const YearElements y1900 = ComputeYearElements(1900);
    const YearElements y2024 = ComputeYearElements(2024);
    struct Row {
        const char* name;
        double expected;
        double actual;
    };
    const std::vector<Row> rows = {
        {"2024 cosObliquity", 0.9175037246090364, y2024.cosObliquity},
        {"2024 sinObliquity", 0.3977271870623701, y2024.sinObliquity},
        {"2024 meanLongitudeAtEpoch", 4.872483111156756, y2024.meanLongitudeAtEpoch},
        {"2024 perigeeLongitudeAtEpoch", 4.94539026629761, y2024.perigeeLongitudeAtEpoch},
        {"2024 siderealTimeAtEpoch", 6.611130679438045, y2024.siderealTimeAtEpoch},
        {"2024 centreCoefficient1", 0.03339588140210318, y2024.centreCoefficient1},
        {"2024 centreCoefficient2", 0.0003485508266821039, y2024.centreCoefficient2},
        {"meanMotion", 0.017202791695159796, y2024.meanMotion},
        {"perigeeMotion", 0.0000008216675148969551, y2024.perigeeMotion},
        {"siderealGainPerDay", 0.0657098244190889, y2024.siderealGainPerDay},
        // From a negative century the sidereal time must still land in range.
        {"1900 siderealTimeAtEpoch", 6.61318273890188, y1900.siderealTimeAtEpoch},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(Near(row.name, row.expected, row.actual, std::fabs(row.expected) * kRelative));
    }
}

}  // namespace
}  // namespace orvanta
