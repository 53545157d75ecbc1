#include "zones/city_daylight.h"

#include "astro/calendar.h"
#include "astro/daylight_shift.h"

namespace orvanta {

std::optional<DaylightShiftTable> DaylightShiftsForCity(const CityLocation& city, std::int16_t year,
                                                        const DaylightShiftSource& zones) {
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    if (!city.zoneName.empty()) {
        return zones.Shifts(city.zoneName, year, city.zoneHours);
    }
    return DaylightShiftFromWindow(ComputeYearCalendar(year, city.supportsDst).dstWindow);
}

}  // namespace orvanta
