// A run of Hijri dates, counted within each month, against ICU's conversion of every day on
// its own: across the years of the Umm al-Qura table, its end in 1500 AH, and leap days.
#include <gtest/gtest.h>

#include <chrono>

#include "hijri/hijri_date.h"

namespace orvanta {
namespace {

TEST(HijriRun, EveryDayEqualsItsOwnConversion) {
    const struct {
        const char* name;
        CivilDate first;
        int count;
        int offsetDays;
    } rows[] = {
        {"TenYearsFrom2020", {2020, 1, 1}, 3660, 0},
        {"AcrossTheTableEndIn2076", {2074, 3, 1}, 1500, 2},
        {"Before1900WithAnOffsetBack", {1899, 12, 1}, 400, -2},
    };
    for (const auto& row : rows) {
        const auto run = HijriDatesFrom(row.first, row.count, row.offsetDays);
        ASSERT_TRUE(run.has_value()) << row.name;
        ASSERT_EQ(run->size(), static_cast<std::size_t>(row.count)) << row.name;
        using namespace std::chrono;
        const sys_days firstDay =
            year_month_day(year(row.first.year), month(row.first.month), day(row.first.day));
        for (int i = 0; i < row.count; ++i) {
            const year_month_day ymd(firstDay + days(i));
            const CivilDate date{static_cast<std::int16_t>(int(ymd.year())),
                                 static_cast<std::int16_t>(unsigned(ymd.month())),
                                 static_cast<std::int16_t>(unsigned(ymd.day()))};
            const auto own = HijriDateOf(date, row.offsetDays);
            ASSERT_TRUE(own.has_value());
            const HijriDate& h = (*run)[static_cast<std::size_t>(i)];
            ASSERT_TRUE(h.year == own->year && h.month == own->month && h.day == own->day)
                << row.name << " day " << i;
        }
    }
}

}  // namespace
}  // namespace orvanta
