#include "astro/method_day_table.h"

#include <vector>

#include "astro/day_table_rules.h"
#include "astro/method_day.h"
#include "astro/sun_track.h"

namespace orvanta {

bool ComputeMethodDayTable(DayTable& table, std::int16_t first, std::int16_t last,
                           const YearElements& elements, const CityLocation& city,
                           const PrayerMethod& method, const MethodYear& year) {
    if (first < 0 || last > kDaysInTable) {
        return false;
    }
    if (first >= last) {
        return true;
    }
    // The sun at noon of day numbers first - 1 .. last + 3: the five each row reads, shared.
    std::vector<SunSample> noon;
    for (int day = first - 1; day <= last + 3; ++day) {
        noon.push_back(SunAtClockNoon(elements, city, day));
    }
    // The transit, sunrise and sunset of day numbers first .. last + 2, each once.
    std::vector<HorizonDay> horizon;
    for (std::size_t k = 0; k + 2 < noon.size(); ++k) {
        horizon.push_back(HorizonOf(elements, city, first + static_cast<int>(k),
                                    {noon[k], noon[k + 1], noon[k + 2]}, city.latitudeRad));
    }
    for (int i = first; i < last; ++i) {
        const auto at = static_cast<std::size_t>(i - first);
        MethodDayFacts facts{i, year.ramadan[i] != 0, year.leapYear, {}, {}};
        for (std::size_t k = 0; k < facts.noon.size(); ++k) {
            facts.noon[k] = noon[at + k];
        }
        facts.horizon = {horizon[at], horizon[at + 1], horizon[at + 2]};
        table.rows[i] = ComputeMethodRow(elements, city, method, facts);
    }
    ApplyDaylightShifts(table, first, last, year.daylightShifts);
    return true;
}

DayRow ComputeMethodSingleDayRow(std::int16_t index, const YearElements& elements,
                                 const CityLocation& city, const PrayerMethod& method,
                                 bool ramadanDay, bool leapYear, double shiftHours) {
    MethodDayFacts facts{index, ramadanDay, leapYear, {}, {}};
    for (std::size_t k = 0; k < facts.noon.size(); ++k) {
        facts.noon[k] = SunAtClockNoon(elements, city, index - 1 + static_cast<int>(k));
    }
    for (std::size_t k = 0; k < facts.horizon.size(); ++k) {
        facts.horizon[k] =
            HorizonOf(elements, city, index + static_cast<int>(k),
                      {facts.noon[k], facts.noon[k + 1], facts.noon[k + 2]}, city.latitudeRad);
    }
    DayRow row = ComputeMethodRow(elements, city, method, facts);
    ShiftRow(row, shiftHours);
    return row;
}

}  // namespace orvanta
