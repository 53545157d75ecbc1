// The Umm al-Qura dates the timetables use against published dates: the date and its text, the
// first and the last days of Ramadan in the year's Ramadan table, the offset, Umm al-Qura's Isha
// switching to 120 minutes in Ramadan, and runs of dates.
#include "hijri/hijri_date.h"

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <memory>
#include <numeric>
#include <optional>
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
    // 622 holds no day of a Ramadan from 1 AH on (the first is in 623); ICU's days before 1 AH
    // carry months of a year 0 that has no Ramadan to fast.
    const auto sum = [](const RamadanTable& t) { return std::accumulate(t.begin(), t.end(), 0); };
    EXPECT_EQ(sum(RamadanDaysOf(622).value()), 0);
    EXPECT_EQ(sum(RamadanDaysOf(623).value()), 30);
}

// ICU's own conversion of noon UT of the civil date moved by the offset: the reference for the
// dates the program takes from its build-time table or from ICU.
std::optional<HijriDate> IcuHijriDate(const CivilDate& date, int offsetDays) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=islamic-umalqura"), status));
    const auto days =
        chr::sys_days{chr::year{date.year} / date.month / date.day}.time_since_epoch().count() +
        offsetDays;
    calendar->setTime((static_cast<double>(days) + 0.5) * 86'400'000.0, status);
    HijriDate h{calendar->get(UCAL_EXTENDED_YEAR, status), calendar->get(UCAL_MONTH, status) + 1,
                calendar->get(UCAL_DATE, status)};
    return U_SUCCESS(status) ? std::optional<HijriDate>(h) : std::nullopt;
}

// The program's date against ICU's: the same from 1 AH on; none where ICU gives a year before 1.
bool SameDate(const std::optional<HijriDate>& a, const std::optional<HijriDate>& b) {
    if (b && b->year < 1) {
        return !a;
    }
    return a && b && a->year == b->year && a->month == b->month && a->day == b->day;
}

// Runs of dates, and single dates every 37 days over the whole table (1 Muharram 1300, 12
// November 1882, to 29 Dhu al-Hijja 1600, 24 November 2174), equal ICU's conversion of each day:
// inside the table, across its two ends (where the run is ICU's), and with offsets.
TEST(HijriRun, EveryDayEqualsIcusConversion) {
    const struct {
        const char* name;
        CivilDate first;
        int count;
        int offsetDays;
    } rows[] = {
        {"TenYearsFrom2020", {2020, 1, 1}, 3660, 0},
        {"AcrossTheTableStartIn1882", {1882, 10, 1}, 100, -2},
        {"AcrossTheTableEndIn2174", {2174, 10, 1}, 120, 2},
        {"UpToTheTableEnd", {2174, 11, 1}, 24, 0},
        {"Before1970WithAnOffsetBack", {1899, 12, 1}, 400, -2},
        {"NoneBefore1Muharram1OnJuly19In622", {622, 7, 10}, 20, 0},
        {"NoneBefore1AHWithAnOffsetBack", {622, 7, 19}, 5, -2},
        {"NoneInYearOne", {1, 1, 1}, 40, 2},
    };
    for (const auto& row : rows) {
        const auto run = HijriDatesFrom(row.first, row.count, row.offsetDays);
        ASSERT_TRUE(run.has_value() && run->size() == static_cast<std::size_t>(row.count));
        for (int i = 0; i < row.count; ++i) {
            const CivilDate day = DateAfter(row.first, i);
            ASSERT_TRUE(
                SameDate((*run)[static_cast<std::size_t>(i)], IcuHijriDate(day, row.offsetDays)))
                << row.name << " day " << i;
        }
    }
    EXPECT_FALSE(HijriDateOf(CivilDate{622, 7, 18}).has_value());
    EXPECT_EQ(HijriDateText(HijriDateOf(CivilDate{622, 7, 19}).value()), "1 Muharram 1");
    std::vector<int> days = {-1, 0, 106'664, 106'665};  // from 12 November 1882: the table's ends
    for (int i = 37; i < 106'664; i += 37) {
        days.push_back(i);
    }
    for (const int i : days) {
        const CivilDate day = DateAfter(CivilDate{1882, 11, 12}, i);
        ASSERT_TRUE(SameDate(HijriDateOf(day, 0), IcuHijriDate(day, 0))) << i;
    }
}

}  // namespace
}  // namespace orvanta
