#include "hijri/hijri_month_table.h"

#include <algorithm>
#include <cstddef>

namespace orvanta {
namespace {

int MonthLength(const HijriMonthTable& table, std::size_t yearIndex, int month) {
    return 29 + ((table.longMonths[yearIndex] >> (month - 1)) & 1);
}

}  // namespace

std::optional<HijriDate> TableHijriDate(const HijriMonthTable& table, std::int64_t dayNumber) {
    const auto& starts = table.yearStartDays;
    if (dayNumber < starts.front() || dayNumber >= starts.back()) {
        return std::nullopt;
    }
    // The last year that begins on or before the day.
    const auto next = std::upper_bound(starts.begin(), starts.end(), dayNumber);
    const auto yearIndex = static_cast<std::size_t>(next - starts.begin() - 1);
    auto dayOfYear = static_cast<int>(dayNumber - starts[yearIndex]);  // 0-based
    int month = 1;
    while (month < 12 && dayOfYear >= MonthLength(table, yearIndex, month)) {
        dayOfYear -= MonthLength(table, yearIndex, month);
        ++month;
    }
    return HijriDate{kFirstTableHijriYear + static_cast<int>(yearIndex), month, dayOfYear + 1};
}

std::optional<std::vector<HijriDate>> TableHijriDates(const HijriMonthTable& table,
                                                      std::int64_t firstDay, int count) {
    if (count < 0 || firstDay + count > table.yearStartDays.back()) {
        return std::nullopt;
    }
    std::vector<HijriDate> dates;
    if (count == 0) {
        return dates;
    }
    std::optional<HijriDate> date = TableHijriDate(table, firstDay);
    if (!date) {
        return std::nullopt;
    }
    dates.reserve(static_cast<std::size_t>(count));
    dates.push_back(*date);
    for (int i = 1; i < count; ++i) {
        HijriDate next = dates.back();
        const auto yearIndex = static_cast<std::size_t>(next.year - kFirstTableHijriYear);
        if (++next.day > MonthLength(table, yearIndex, next.month)) {
            next.day = 1;
            if (++next.month > 12) {
                next.month = 1;
                ++next.year;
            }
        }
        dates.push_back(next);
    }
    return dates;
}

}  // namespace orvanta
