// The Umm al-Qura months of ICU's "islamic-umalqura" calendar as a table, for the Hijri years
// 1300 .. 1600 (November 1882 to November 2174). The table is made at build time by
// make_hijri_month_table from the ICU the program is built with, which checks it against ICU's
// own conversion of every month's first and last day. Dates it covers need no ICU calendar at
// run time: creating one reads ICU's locale and calendar data, which costs a command-line run
// more than the year's timetable itself.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "hijri/hijri_date.h"

namespace orvanta {

inline constexpr int kFirstTableHijriYear = 1300;
inline constexpr int kTableHijriYears = 301;  // 1300 .. 1600

struct HijriMonthTable {
    // Day numbers (days since 1970-01-01, the day of 00:00 UT) on which each table year begins;
    // the last entry is the first day after the table (1 Muharram 1601).
    std::array<std::int32_t, kTableHijriYears + 1> yearStartDays;
    // Per year, bit m - 1 set when month m has 30 days; clear: 29 days.
    std::array<std::uint16_t, kTableHijriYears> longMonths;
};

// The table generated from ICU at build time.
extern const HijriMonthTable kHijriMonthTable;

// Given a day number (days since 1970-01-01), returns its Hijri date when the table covers the
// day, else nothing.
std::optional<HijriDate> TableHijriDate(const HijriMonthTable& table, std::int64_t dayNumber);

// Given a first day number and a count of days (>= 0), returns the Hijri dates of the count
// days from it on when the table covers every one of them, else nothing.
std::optional<std::vector<HijriDate>> TableHijriDates(const HijriMonthTable& table,
                                                      std::int64_t firstDay, int count);

}  // namespace orvanta
