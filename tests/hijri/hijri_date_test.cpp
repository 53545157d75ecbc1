// The Umm al-Qura dates the timetables use against published dates: the date and its text, the
// first and the last days of Ramadan in the year's Ramadan table, the offset, Umm al-Qura's Isha
// switching to 120 minutes in Ramadan, and runs of dates.
#include "hijri/hijri_date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "astro/method_date_row.h"
#include "astro/method_presets.h"
#include "hijri/hijri_text.h"
#include "tests/astro/test_support.h"

namespace orvanta {
namespace {

namespace chr = std::chrono;

// The date some days after a date, by the standard library's calendar.
CivilDate DateAfter(const CivilDate& first, int days) {
    const chr::year_month_day ymd{chr::sys_days{chr::year{first.year} / first.month / first.day} +
                                  chr::days{days}};
    return CivilDate{static_cast<std::int16_t>(int{ymd.year()}),
                     static_cast<std::int16_t>(unsigned{ymd.month()}),
                     static_cast<std::int16_t>(unsigned{ymd.day()})};
}

// date | offset in days | the Hijri date as the row shows it | as the csv writes it | Ramadan
// flags of the day before and of the day | source. Umm al-Qura's Isha in Makkah follows each
// flag: 90 minutes after Maghrib, 120 in Ramadan.
constexpr const char* kPublished = R"(
2026 2 18 | 0  | 1 Ramadan 1447    | 1447-09-01 | 0 1 | Saudi Supreme Court: Wednesday 18 February 2026
2022 7 30 | 0  | 1 Muharram 1444   | 1444-01-01 | 0 0 | Saudi Supreme Court: Saturday 30 July 2022
2026 12 6 | 0  | 26 Jumada II 1448 | 1448-06-26 | 0 0 | the date row's example
2023 3 23 | 0  | 1 Ramadan 1444    | 1444-09-01 | 0 1 | Riyadh's second day of Ramadan was 24 March 2023
2023 4 21 | 0  | 1 Shawwal 1444    | 1444-10-01 | 1 0 | Saudi Arabia's Eid al-Fitr: Friday 21 April 2023
2024 3 11 | 0  | 1 Ramadan 1445    | 1445-09-01 | 0 1 | Saudi Arabia began fasting on 11 March 2024
2024 4 10 | 0  | 1 Shawwal 1445    | 1445-10-01 | 1 0 | Saudi Arabia's Eid al-Fitr: Wednesday 10 April 2024
2024 3 10 | 1  | 1 Ramadan 1445    | 1445-09-01 | 0 1 | the same, one day ahead
2024 3 12 | -1 | 1 Ramadan 1445    | 1445-09-01 | 0 1 | the same, one day later in the civil calendar
)";

TEST(HijriDate, PublishedDatesTheirTextTheRamadanTableAndUmmAlQurasIsha) {
    const CityLocation makkah = testing::Place(21.4225, 39.8262, 3.0);
    const DaylightShiftTable none{};
    for (const auto& row : testing::TableRows(kPublished)) {
        const CivilDate date = testing::DateField(row[0]);
        const int offset = std::stoi(row[1]);
        const std::optional<HijriDate> hijri = HijriDateOf(date, offset);
        const auto ramadan = RamadanDaysOf(date.year, offset);
        ASSERT_TRUE(hijri.has_value() && ramadan.has_value()) << row[5];
        EXPECT_EQ(HijriDateText(*hijri), row[2]) << row[5];
        EXPECT_EQ(HijriIsoText(*hijri), row[3]) << row[5];
        const chr::sys_days day = chr::year{date.year} / date.month / date.day;
        const auto index = (day - chr::sys_days{chr::year{date.year} / 1 / 1}).count();
        const std::vector<double> flags = testing::Numbers(row[4]);
        for (int before = 0; before < 2; ++before) {
            EXPECT_EQ((*ramadan)[index - before], flags[1 - before]) << row[5];
            const auto times =
                ComputeMethodDateRow(DateAfter(date, -before), makkah,
                                     FindMethodPreset("umm-al-qura")->method, &none, &*ramadan);
            ASSERT_TRUE(times.has_value());
            EXPECT_NEAR(((*times)[testing::kIsha] - (*times)[testing::kMaghrib]) * 60.0,
                        90.0 + 30.0 * flags[1 - before], 1e-3)
                << row[5] << ", day before: " << before;
        }
    }
    EXPECT_FALSE(HijriDateOf(CivilDate{2024, 3, 10}, 3).has_value());
    EXPECT_FALSE(HijriDateOf(CivilDate{2024, 2, 30}).has_value());
    EXPECT_FALSE(RamadanDaysOf(2024, -3).has_value());
}

// A run of dates, counted within each month, equals ICU's conversion of every day on its own:
// across the years of the Umm al-Qura table, its end in 1500 AH, and leap days.
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
        ASSERT_TRUE(run.has_value() && run->size() == static_cast<std::size_t>(row.count));
        for (int i = 0; i < row.count; ++i) {
            const auto own = HijriDateOf(DateAfter(row.first, i), row.offsetDays);
            const HijriDate& h = (*run)[static_cast<std::size_t>(i)];
            ASSERT_TRUE(own && h.year == own->year && h.month == own->month && h.day == own->day)
                << row.name << " day " << i;
        }
    }
}

}  // namespace
}  // namespace orvanta
