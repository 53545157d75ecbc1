#include "timetable/timetable.h"

#include "astro/calendar.h"
#include "timetable/civil_time.h"
#include "zones/city_daylight.h"
#include "zones/event_clocks.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

std::int16_t IndexOf(const CivilDate& date) {
    const std::int16_t leap = ComputeYearCalendar(date.year, 0).leapYear;
    return DayIndexOfDate(leap, date.month, date.day).value_or(0);
}

// The one-day computation shared by a single day and every day of a range, with the year's
// daylight-saving table already read.
std::optional<DatedRow> RowOfDay(const CivilDate& date, const CityLocation& city,
                                 const PrayerSettings& settings, const DaylightShiftTable& shifts) {
    const std::optional<DayRow> row = ComputeDateRow(date, city, settings, &shifts);
    if (!row) {
        return std::nullopt;
    }
    const double noonOffset = city.zoneHours + shifts[static_cast<std::size_t>(IndexOf(date))];
    ZoneChangesFn changes;
    if (!city.zoneName.empty()) {
        changes = [&city](std::int64_t from, std::int64_t to) {
            return ZoneTransitionsBetween(city.zoneName, from, to);
        };
    }
    const std::optional<EventClocks> clocks =
        ClocksOfEvents(*row, date, noonOffset, shifts, changes);
    if (!clocks) {
        return std::nullopt;
    }
    return DatedRow{date, clocks->row, noonOffset, clocks->offsetHours};
}

// The city as it stands in a year: a zone given by name is settled for that year.
std::optional<CityLocation> CityOfYear(const CityLocation& city, std::int16_t year,
                                       ZoneYears zoneYears) {
    if (zoneYears == ZoneYears::AsGiven || city.zoneName.empty()) {
        return city;
    }
    const std::optional<ZoneSummary> zone = SummarizeZone(city.zoneName, year);
    if (!zone) {
        return std::nullopt;
    }
    CityLocation settled = city;
    settled.zoneHours = zone->zoneHours;
    settled.supportsDst = zone->observesDst ? 1 : 0;
    return settled;
}

}  // namespace

std::optional<DatedRow> ComputeOneDay(const CivilDate& date, const CityLocation& city,
                                      const PrayerSettings& settings) {
    const std::optional<DaylightShiftTable> shifts = DaylightShiftsForCity(city, date.year);
    if (!shifts) {
        return std::nullopt;
    }
    return RowOfDay(date, city, settings, *shifts);
}

std::optional<std::vector<DatedRow>> ComputeDateRange(const CivilDate& first, const CivilDate& last,
                                                      const CityLocation& city,
                                                      const PrayerSettings& settings,
                                                      ZoneYears zoneYears) {
    const std::int64_t firstDay = DaysFromCivil(first);
    const std::int64_t lastDay = DaysFromCivil(last);
    std::vector<DatedRow> rows;
    rows.reserve(static_cast<std::size_t>(lastDay - firstDay + 1));
    std::optional<CityLocation> yearCity;
    std::optional<DaylightShiftTable> shifts;
    for (std::int64_t day = firstDay; day <= lastDay; ++day) {
        const CivilDate date = CivilFromDays(day);
        if (day == firstDay || (date.month == 1 && date.day == 1)) {
            yearCity = CityOfYear(city, date.year, zoneYears);
            shifts = yearCity ? DaylightShiftsForCity(*yearCity, date.year) : std::nullopt;
            if (!shifts) {
                return std::nullopt;
            }
        }
        std::optional<DatedRow> row = RowOfDay(date, *yearCity, settings, *shifts);
        if (!row) {
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    return rows;
}

}  // namespace orvanta
