#include "hijri/hijri_date.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>

#include "astro/calendar.h"

namespace orvanta {
namespace {

constexpr double kMillisPerDay = 86'400'000.0;
constexpr int kMaxHijriDays = 3660;  // ten years and a week: every timetable range

// One Gregorian and one Umm al-Qura calendar in Universal Time, both ICU's.
class Calendars {
  public:
    Calendars() {
        UErrorCode status = U_ZERO_ERROR;
        gregorian_ =
            std::make_unique<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(), status);
        // A Gregorian calendar throughout: no Julian dates before 1582.
        gregorian_->setGregorianChange(-8.64e15, status);
        hijri_.reset(icu::Calendar::createInstance(
            icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=islamic-umalqura"), status));
        ok_ = U_SUCCESS(status) && gregorian_ && hijri_;
    }

    // Noon, Universal Time, of the civil date, in ICU milliseconds.
    std::optional<UDate> NoonOf(const CivilDate& date) {
        if (!ok_) {
            return std::nullopt;
        }
        UErrorCode status = U_ZERO_ERROR;
        gregorian_->clear();
        gregorian_->set(date.year, date.month - 1, date.day, 12, 0, 0);
        const UDate noon = gregorian_->getTime(status);
        return U_SUCCESS(status) ? std::optional<UDate>(noon) : std::nullopt;
    }

    std::optional<HijriDate> HijriAt(UDate moment) {
        UErrorCode status = U_ZERO_ERROR;
        hijri_->setTime(moment, status);
        HijriDate h;
        h.year = hijri_->get(UCAL_EXTENDED_YEAR, status);
        h.month = hijri_->get(UCAL_MONTH, status) + 1;
        h.day = hijri_->get(UCAL_DATE, status);
        return U_SUCCESS(status) ? std::optional<HijriDate>(h) : std::nullopt;
    }

  private:
    std::unique_ptr<icu::GregorianCalendar> gregorian_;
    std::unique_ptr<icu::Calendar> hijri_;
    bool ok_ = false;
};

bool OffsetInRange(int offsetDays) {
    return offsetDays >= kMinHijriOffsetDays && offsetDays <= kMaxHijriOffsetDays;
}

}  // namespace

std::optional<HijriDate> HijriDateOf(const CivilDate& date, int offsetDays) {
    if (!IsValidCivilDate(date) || !OffsetInRange(offsetDays)) {
        return std::nullopt;
    }
    Calendars calendars;
    const std::optional<UDate> noon = calendars.NoonOf(date);
    if (!noon) {
        return std::nullopt;
    }
    return calendars.HijriAt(*noon + offsetDays * kMillisPerDay);
}

std::optional<std::vector<HijriDate>> HijriDatesFrom(const CivilDate& first, int count,
                                                     int offsetDays) {
    if (!IsValidCivilDate(first) || count < 0 || count > kMaxHijriDays ||
        !OffsetInRange(offsetDays)) {
        return std::nullopt;
    }
    Calendars calendars;
    const std::optional<UDate> noon = calendars.NoonOf(first);
    if (!noon) {
        return std::nullopt;
    }
    std::vector<HijriDate> dates;
    dates.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::optional<HijriDate> h =
            calendars.HijriAt(*noon + (i + offsetDays) * kMillisPerDay);
        if (!h) {
            return std::nullopt;
        }
        dates.push_back(*h);
    }
    return dates;
}

std::optional<RamadanTable> RamadanDaysOf(std::int16_t year, int offsetDays) {
    if (year < 1 || year > 9999 || !OffsetInRange(offsetDays)) {
        return std::nullopt;
    }
    Calendars calendars;
    const std::optional<UDate> newYear = calendars.NoonOf(CivilDate{year, 1, 1});
    if (!newYear) {
        return std::nullopt;
    }
    const int days = 365 + ComputeYearCalendar(year, 0).leapYear;
    RamadanTable table{};
    for (int i = 0; i < days; ++i) {
        const std::optional<HijriDate> h =
            calendars.HijriAt(*newYear + (i + offsetDays) * kMillisPerDay);
        if (!h) {
            return std::nullopt;
        }
        table[i] = h->month == kRamadanMonth ? 1 : 0;
    }
    return table;
}

}  // namespace orvanta
