#include "hijri/hijri_date.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstdint>
#include <memory>

#include "astro/calendar.h"
#include "astro/year_elements.h"
#include "hijri/hijri_month_table.h"

namespace orvanta {
namespace {

constexpr double kMillisPerDay = 86'400'000.0;
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

// ICU's Umm al-Qura calendar in Universal Time.
class Calendars {
  public:
    Calendars() {
        UErrorCode status = U_ZERO_ERROR;
        hijri_.reset(icu::Calendar::createInstance(
            icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=islamic-umalqura"), status));
        ok_ = U_SUCCESS(status) && hijri_;
    }

    bool Ok() const { return ok_; }

    std::optional<HijriDate> HijriAt(UDate moment) {
        UErrorCode status = U_ZERO_ERROR;
        hijri_->setTime(moment, status);
        HijriDate h;
        h.year = hijri_->get(UCAL_EXTENDED_YEAR, status);
        h.month = hijri_->get(UCAL_MONTH, status) + 1;
        h.day = hijri_->get(UCAL_DATE, status);
        return U_SUCCESS(status) ? std::optional<HijriDate>(h) : std::nullopt;
    }

    // The day number (days since 1970-01-01) on which the Hijri month begins: ICU's conversion
    // from Hijri fields to a moment, which finds the year's start from its table at once.
    std::optional<std::int64_t> MonthStartDay(int year, int month) {
        UErrorCode status = U_ZERO_ERROR;
        hijri_->clear();
        hijri_->set(UCAL_EXTENDED_YEAR, year);
        hijri_->set(UCAL_MONTH, month - 1);
        hijri_->set(UCAL_DATE, 1);
        const UDate start = hijri_->getTime(status);
        if (U_FAILURE(status)) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(std::floor(start / kMillisPerDay));
    }

    // Given a Hijri date and its day number, returns the day number on which the next month
    // begins, or nothing when ICU fails or its answer would give the date's month other than
    // 29 or 30 days (then the caller converts day by day).
    std::optional<std::int64_t> NextMonthStartDay(const HijriDate& date, std::int64_t dayNumber) {
        const HijriDate next = FirstOfNextMonth(date);
        const std::optional<std::int64_t> start = MonthStartDay(next.year, next.month);
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
    std::unique_ptr<icu::Calendar> hijri_;
    bool ok_ = false;
};

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
    Calendars calendars;
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
    Calendars calendars;
    if (!calendars.Ok()) {
        return std::nullopt;
    }
    return calendars.HijriAt(moment * kMillisPerDay);
}

std::optional<std::vector<HijriDate>> HijriDatesFrom(const CivilDate& first, int count,
                                                     int offsetDays) {
    if (!IsValidCivilDate(first) || count < 0 || count > kMaxHijriDays ||
        !OffsetInRange(offsetDays)) {
        return std::nullopt;
    }
    const std::optional<double> noon = NoonDaysOf(first);
    if (!noon) {
        return std::nullopt;
    }
    return DatesOfRun(*noon + offsetDays, count);
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
        table[static_cast<std::size_t>(i)] =
            (*dates)[static_cast<std::size_t>(i)].month == kRamadanMonth ? 1 : 0;
    }
    return table;
}

}  // namespace orvanta
