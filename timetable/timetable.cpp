#include "timetable/timetable.h"

#include "astro/calendar.h"
#include "astro/year_elements.h"
#include "timetable/civil_time.h"
#include "zones/city_daylight.h"

namespace orvanta {
namespace {

std::int16_t IndexOf(const CivilDate& date) {
    const std::int16_t leap = ComputeYearCalendar(date.year, 0).leapYear;
    return DayIndexOfDate(leap, date.month, date.day).value_or(0);
}

}  // namespace

std::optional<DatedRow> ComputeOneDay(const CivilDate& date, const CityLocation& city,
                                      const PrayerSettings& settings) {
    const std::optional<DaylightShiftTable> shifts = DaylightShiftsForCity(city, date.year);
    if (!shifts) {
        return std::nullopt;
    }
    const std::optional<DayRow> row = ComputeDateRow(date, city, settings, &*shifts);
    if (!row) {
        return std::nullopt;
    }
    return DatedRow{date, *row, city.zoneHours + (*shifts)[IndexOf(date)]};
}

std::optional<std::vector<DatedRow>> ComputeDateRange(const CivilDate& first, const CivilDate& last,
                                                      const CityLocation& city,
                                                      const PrayerSettings& settings) {
    std::vector<DatedRow> rows;
    rows.reserve(static_cast<std::size_t>(DaysFromCivil(last) - DaysFromCivil(first) + 1));
    DayTable table;
    for (std::int16_t year = first.year; year <= last.year; ++year) {
        const std::optional<DaylightShiftTable> shifts = DaylightShiftsForCity(city, year);
        if (!shifts) {
            return std::nullopt;
        }
        const CivilDate yearStart{year, 1, 1};
        const CivilDate yearEnd{year, 12, 31};
        const CivilDate from = year == first.year ? first : yearStart;
        const CivilDate to = year == last.year ? last : yearEnd;
        const std::int16_t firstIndex = IndexOf(from);
        const auto endIndex = static_cast<std::int16_t>(IndexOf(to) + 1);
        if (!ComputeDayTable(table, firstIndex, endIndex, ComputeYearElements(year), city, settings,
                             *shifts)) {
            return std::nullopt;
        }
        const std::int64_t fromDays = DaysFromCivil(from);
        for (std::int16_t j = firstIndex; j < endIndex; ++j) {
            rows.push_back(DatedRow{CivilFromDays(fromDays + (j - firstIndex)), table.rows[j],
                                    city.zoneHours + (*shifts)[j]});
        }
    }
    return rows;
}

}  // namespace orvanta
