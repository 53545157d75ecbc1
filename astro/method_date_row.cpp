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
    MethodYear year;
    year.daylightShifts =
        realShifts != nullptr ? *realShifts : DaylightShiftFromWindow(calendar.dstWindow);
    if (ramadan != nullptr) {
        year.ramadan = *ramadan;
    }
    year.leapYear = calendar.leapYear != 0;
    DayTable table;
    if (!ComputeMethodDayTable(table, *index, static_cast<std::int16_t>(*index + 1),
                               ComputeYearElements(date.year), city, method, year)) {
        return std::nullopt;
    }
    return table.rows[*index];
}

}  // namespace orvanta
