#include "hijri/hijri_date.h"

#include <cmath>
#include <cstdint>

#include "astro/calendar.h"
#include "astro/year_elements.h"
#include "hijri/hijri_month_table.h"
#include "hijri/icu_umm_al_qura.h"

namespace orvanta {
namespace {

constexpr int kMaxHijriDays = 3660;  // ten years and a week: every timetable range

// The first day of the month after the given date's month.
HijriDate FirstOfNextMonth(HijriDate date) {
    date.day = 1;
    if (++date.month > 12) {
        date.month = 1;
        ++date.year;
    }
    return date;
}

// Noon, Universal Time, of the valid civil date (proleptic Gregorian) in days since 1970-01-01:
// the year's epoch (0 h UT on the day before 1 January) counted from J2000.0, plus the day's
// index and a day and a half. Exact in double precision over years 1 .. 9999.
std::optional<double> NoonDaysOf(const CivilDate& date) {
    const std::optional<std::int16_t> index =
        DayIndexOfDate(ComputeYearCalendar(date.year, 0).leapYear, date.month, date.day);
    if (!index) {
        return std::nullopt;
    }
    constexpr double kUnixDaysAtJ2000 = 10957.5;  // 2000-01-01 12:00 UT from 1970-01-01
    return DaysFromJ2000ToYearEpoch(date.year) + *index + 1.5 + kUnixDaysAtJ2000;
}

// Runs of days converted by ICU, for the dates the build-time table does not cover.
class IcuRuns {
  public:
    bool Ok() const { return icu_.Ok(); }

    std::optional<HijriDate> HijriAt(UDate moment) { return icu_.HijriAt(moment); }

    // Given a Hijri date and its day number, returns the day number on which the next month
    // begins, or nothing when ICU fails or its answer would give the date's month other than
    // 29 or 30 days (then the caller converts day by day).
    std::optional<std::int64_t> NextMonthStartDay(const HijriDate& date, std::int64_t dayNumber) {
        const HijriDate next = FirstOfNextMonth(date);
        const std::optional<std::int64_t> start = icu_.MonthStartDay(next.year, next.month);
        if (!start) {
            return std::nullopt;
        }
        const std::int64_t monthLength = *start - (dayNumber - (date.day - 1));
        if (monthLength < 29 || monthLength > 30 || *start <= dayNumber) {
            return std::nullopt;
        }
        return start;
    }

    // The Hijri dates of count consecutive days from the day of firstMoment (noon UT). ICU
    // converts the first day; later days count on within their month until the day on which
    // ICU says the next month begins. (A moment's conversion to Hijri fields walks ICU's table
    // year by year; a month's conversion to its first day does not.) Where that answer is not
    // plausible, each day is converted on its own.
    std::optional<std::vector<HijriDate>> RunOfDays(UDate firstMoment, int count) {
        std::vector<HijriDate> dates;
        dates.reserve(static_cast<std::size_t>(count));
        const auto firstDay = static_cast<std::int64_t>(std::floor(firstMoment / kMillisPerDay));
        std::optional<std::int64_t> nextMonthDay;  // unknown: convert the day itself
        for (int i = 0; i < count; ++i) {
            const std::int64_t day = firstDay + i;
            std::optional<HijriDate> date;
            if (!nextMonthDay) {
                date = HijriAt(firstMoment + i * kMillisPerDay);
                if (!date) {
                    return std::nullopt;
                }
            } else if (day < *nextMonthDay) {
                date = dates.back();
                ++date->day;
            } else {
                date = FirstOfNextMonth(dates.back());
            }
            if (!nextMonthDay || day >= *nextMonthDay) {
                nextMonthDay = NextMonthStartDay(*date, day);
            }
            dates.push_back(*date);
        }
        return dates;
    }

  private:
    IcuUmmAlQura icu_;
};

// The date, or nothing for a day before the calendar's first year.
std::optional<HijriDate> WithinCalendar(const std::optional<HijriDate>& date) {
    return date && date->year >= kFirstHijriYear ? date : std::nullopt;
}

bool OffsetInRange(int offsetDays) {
    return offsetDays >= kMinHijriOffsetDays && offsetDays <= kMaxHijriOffsetDays;
}

// The Hijri dates of count days from the one whose noon UT is firstNoonDays (days since
// 1970-01-01): from the build-time table where it covers them all, else from ICU.
std::optional<std::vector<HijriDate>> DatesOfRun(double firstNoonDays, int count) {
    const auto firstDay = static_cast<std::int64_t>(std::floor(firstNoonDays));
    if (auto dates = TableHijriDates(kHijriMonthTable, firstDay, count)) {
        return dates;
    }
    IcuRuns calendars;
    if (!calendars.Ok()) {
        return std::nullopt;
    }
    return calendars.RunOfDays(firstNoonDays * kMillisPerDay, count);
}

}  // namespace

std::optional<HijriDate> HijriDateOf(const CivilDate& date, int offsetDays) {
    if (!IsValidCivilDate(date) || !OffsetInRange(offsetDays)) {
        return std::nullopt;
    }
    const std::optional<double> noon = NoonDaysOf(date);
    if (!noon) {
        return std::nullopt;
    }
    const double moment = *noon + offsetDays;
    if (auto tabled =
            TableHijriDate(kHijriMonthTable, static_cast<std::int64_t>(std::floor(moment)))) {
        return tabled;
    }
    IcuRuns calendars;
    if (!calendars.Ok()) {
        return std::nullopt;
    }
    return WithinCalendar(calendars.HijriAt(moment * kMillisPerDay));
}

std::optional<std::vector<std::optional<HijriDate>>> HijriDatesFrom(const CivilDate& first,
                                                                    int count, int offsetDays) {
    if (!IsValidCivilDate(first) || count < 0 || count > kMaxHijriDays ||
        !OffsetInRange(offsetDays)) {
        return std::nullopt;
    }
    const std::optional<double> noon = NoonDaysOf(first);
    if (!noon) {
        return std::nullopt;
    }
    const std::optional<std::vector<HijriDate>> dates = DatesOfRun(*noon + offsetDays, count);
    if (!dates) {
        return std::nullopt;
    }
    std::vector<std::optional<HijriDate>> days;
    days.reserve(dates->size());
    for (const HijriDate& date : *dates) {
        days.push_back(WithinCalendar(date));
    }
    return days;
}

std::optional<RamadanTable> RamadanDaysOf(std::int16_t year, int offsetDays) {
    if (year < 1 || year > 9999 || !OffsetInRange(offsetDays)) {
        return std::nullopt;
    }
    const std::optional<double> newYear = NoonDaysOf(CivilDate{year, 1, 1});
    if (!newYear) {
        return std::nullopt;
    }
    const int days = 365 + ComputeYearCalendar(year, 0).leapYear;
    const std::optional<std::vector<HijriDate>> dates = DatesOfRun(*newYear + offsetDays, days);
    if (!dates) {
        return std::nullopt;
    }
    RamadanTable table{};
    for (int i = 0; i < days; ++i) {
        const HijriDate& date = (*dates)[static_cast<std::size_t>(i)];
        table[static_cast<std::size_t>(i)] =
            date.year >= kFirstHijriYear && date.month == kRamadanMonth ? 1 : 0;
    }
    return table;
}

}  // namespace orvanta
