#include "hijri/icu_umm_al_qura.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>

namespace orvanta {

IcuUmmAlQura::IcuUmmAlQura() {
    UErrorCode status = U_ZERO_ERROR;
    calendar_.reset(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=islamic-umalqura"), status));
    if (U_FAILURE(status)) {
        calendar_.reset();
    }
}

std::optional<HijriDate> IcuUmmAlQura::HijriAt(UDate moment) {
    UErrorCode status = U_ZERO_ERROR;
    calendar_->setTime(moment, status);
    HijriDate h;
    h.year = calendar_->get(UCAL_EXTENDED_YEAR, status);
    h.month = calendar_->get(UCAL_MONTH, status) + 1;
    h.day = calendar_->get(UCAL_DATE, status);
    return U_SUCCESS(status) ? std::optional<HijriDate>(h) : std::nullopt;
}

std::optional<std::int64_t> IcuUmmAlQura::MonthStartDay(int year, int month) {
    UErrorCode status = U_ZERO_ERROR;
    calendar_->clear();
    calendar_->set(UCAL_EXTENDED_YEAR, year);
    calendar_->set(UCAL_MONTH, month - 1);
    calendar_->set(UCAL_DATE, 1);
    const UDate start = calendar_->getTime(status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::floor(start / kMillisPerDay));
}

}  // namespace orvanta
