#include "astro/date_row.h"

#include "astro/calendar.h"
#include "astro/civil_days.h"
#include "astro/daylight_shift.h"
#include "astro/year_elements.h"

namespace orvanta {

bool IsValidCivilDate(const CivilDate& date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) {
        return false;
    }
    return date.day <= civil::DaysInMonth(date.year, date.month);
}

std::optional<DayRow> ComputeDateRow(const CivilDate& date, const CityLocation& city,
                                     const PrayerSettings& settings,
                                     const DaylightShiftTable* realShifts) {
    if (!IsValidCivilDate(date)) {
        return std::nullopt;
    }
    const YearElements elements = ComputeYearElements(date.year);
    const YearCalendar calendar = ComputeYearCalendar(date.year, city.supportsDst);
    const std::optional<std::int16_t> index =
        DayIndexOfDate(calendar.leapYear, date.month, date.day);
    if (!index) {
        return std::nullopt;
    }
    const double shift =
        realShifts != nullptr
            ? (*realShifts)[static_cast<std::size_t>(*index)]
            : DaylightShiftFromWindow(calendar.dstWindow)[static_cast<std::size_t>(*index)];
    return ComputeSingleDayRow(*index, elements, city, settings, shift);
}

}  // namespace orvanta
