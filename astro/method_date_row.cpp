#include "astro/method_date_row.h"

#include "astro/calendar.h"
#include "astro/daylight_shift.h"
#include "astro/year_elements.h"

namespace orvanta {

std::optional<DayRow> ComputeMethodDateRow(const CivilDate& date, const CityLocation& city,
                                           const PrayerMethod& method,
                                           const DaylightShiftTable* realShifts,
                                           const RamadanTable* ramadan) {
    if (!IsValidCivilDate(date)) {
        return std::nullopt;
    }
    const YearCalendar calendar = ComputeYearCalendar(date.year, city.supportsDst);
    const std::optional<std::int16_t> index =
        DayIndexOfDate(calendar.leapYear, date.month, date.day);
    if (!index) {
        return std::nullopt;
    }
    const auto day = static_cast<std::size_t>(*index);
    const double shift = realShifts != nullptr ? (*realShifts)[day]
                                               : DaylightShiftFromWindow(calendar.dstWindow)[day];
    const bool ramadanDay = ramadan != nullptr && (*ramadan)[day] != 0;
    return ComputeMethodSingleDayRow(*index, ComputeYearElements(date.year), city, method,
                                     ramadanDay, calendar.leapYear != 0, shift);
}

}  // namespace orvanta
