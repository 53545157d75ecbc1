// The yearly solar elements against worked values; the leap-year flag, the fixed daylight-saving
// window and the day index against the standard library's independent calendar.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <tuple>
#include <vector>

#include "astro/calendar.h"
#include "astro/year_elements.h"
#include "test_support.h"

namespace orvanta {
namespace {

TEST(YearElements, EpochValuesMatchWorkedValues) {
    const YearElements y1900 = ComputeYearElements(1900);
    const YearElements y2024 = ComputeYearElements(2024);
    // name, expected, actual
    const std::vector<std::tuple<const char*, double, double>> rows = {
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
    for (const auto& [name, expected, actual] : rows) {
        EXPECT_NEAR(expected, actual, std::fabs(expected) * 1e-12) << name;
    }
}

namespace chr = std::chrono;

// Day of the year counted from 1.
int DayOfYear(const chr::sys_days& day, int year) {
    const chr::sys_days newYear = chr::year{year} / chr::January / 1;
    return static_cast<int>((day - newYear).count()) + 1;
}

// The window runs from the first Sunday of April to the Saturday before the last Sunday of
// October (2004: 4 April .. 30 October, as 31 October is a Sunday). The day index is checked on
// the first and the last day of every month.
TEST(YearCalendar, EveryYearMatchesTheStandardLibrarysCalendar) {
    for (int y = 1; y <= 9999; ++y) {
        const YearCalendar calendar = ComputeYearCalendar(static_cast<std::int16_t>(y), 1);
        const chr::sys_days firstSunday = chr::year{y} / chr::April / chr::Sunday[1];
        const chr::sys_days lastSunday = chr::year{y} / chr::October / chr::Sunday[chr::last];
        ASSERT_EQ(calendar.leapYear, chr::year{y}.is_leap() ? 1 : 0) << y;
        ASSERT_EQ(calendar.dstWindow.firstDay, DayOfYear(firstSunday, y)) << y;
        ASSERT_EQ(calendar.dstWindow.lastDay, DayOfYear(lastSunday, y) - 1) << y;
        for (unsigned m = 1; m <= 12; ++m) {
            const chr::year_month_day_last last{chr::year{y} / chr::month{m} / chr::last};
            for (const unsigned d : {1U, unsigned{last.day()}}) {
                ASSERT_EQ(
                    DayIndexOfDate(calendar.leapYear, static_cast<int>(m), static_cast<int>(d)),
                    DayOfYear(chr::year{y} / chr::month{m} / chr::day{d}, y) - 1)
                    << y << "-" << m << "-" << d;
            }
        }
    }
    for (const auto& [month, day] : {std::pair{0, 1}, {13, 1}, {12, 32}, {1, 0}}) {
        EXPECT_FALSE(DayIndexOfDate(0, month, day).has_value()) << month << "-" << day;
    }
}

}  // namespace
}  // namespace orvanta
