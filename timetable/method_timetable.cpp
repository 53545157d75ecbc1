#include "timetable/method_timetable.h"

#include "astro/calendar.h"
#include "astro/method_date_row.h"
#include "astro/year_elements.h"
#include "hijri/hijri_date.h"
#include "timetable/civil_time.h"
#include "zones/city_daylight.h"

namespace orvanta {
namespace {

std::int16_t IndexOf(const CivilDate& date) {
    const std::int16_t leap = ComputeYearCalendar(date.year, 0).leapYear;
    return DayIndexOfDate(leap, date.month, date.day).value_or(0);
}

// The year's per-day inputs: the zone's shifts and, only for a method whose Isha changes in
// Ramadan, the Umm al-Qura Ramadan days (none when ICU cannot give them).
std::optional<MethodYear> YearInputs(const CityLocation& city, const PrayerMethod& method,
                                     std::int16_t year) {
    const std::optional<DaylightShiftTable> shifts = DaylightShiftsForCity(city, year);
    if (!shifts) {
        return std::nullopt;
    }
    MethodYear inputs;
    inputs.daylightShifts = *shifts;
    inputs.leapYear = ComputeYearCalendar(year, 0).leapYear != 0;
    if (method.ishaRule == IshaRule::Interval && method.ramadanIshaIntervalMinutes > 0.0) {
        inputs.ramadan = RamadanDaysOf(year).value_or(RamadanTable{});
    }
    return inputs;
}

}  // namespace

std::optional<DatedRow> ComputeOneDay(const CivilDate& date, const CityLocation& city,
                                      const PrayerSettings& settings, const MethodChoice& choice) {
    const std::optional<PrayerMethod> method = ResolveMethod(choice, settings.asrShadowFactor);
    if (!method) {
        return ComputeOneDay(date, city, settings);
    }
    const std::optional<MethodYear> year = YearInputs(city, *method, date.year);
    if (!year) {
        return std::nullopt;
    }
    const std::optional<DayRow> row =
        ComputeMethodDateRow(date, city, *method, &year->daylightShifts, &year->ramadan);
    if (!row) {
        return std::nullopt;
    }
    return DatedRow{date, *row, city.zoneHours + year->daylightShifts[IndexOf(date)]};
}

std::optional<std::vector<DatedRow>> ComputeDateRange(const CivilDate& first, const CivilDate& last,
                                                      const CityLocation& city,
                                                      const PrayerSettings& settings,
                                                      const MethodChoice& choice) {
    const std::optional<PrayerMethod> method = ResolveMethod(choice, settings.asrShadowFactor);
    if (!method) {
        return ComputeDateRange(first, last, city, settings);
    }
    std::vector<DatedRow> rows;
    rows.reserve(static_cast<std::size_t>(DaysFromCivil(last) - DaysFromCivil(first) + 1));
    DayTable table;
    for (std::int16_t year = first.year; year <= last.year; ++year) {
        const std::optional<MethodYear> inputs = YearInputs(city, *method, year);
        if (!inputs) {
            return std::nullopt;
        }
        const CivilDate from = year == first.year ? first : CivilDate{year, 1, 1};
        const CivilDate to = year == last.year ? last : CivilDate{year, 12, 31};
        const std::int16_t firstIndex = IndexOf(from);
        const auto endIndex = static_cast<std::int16_t>(IndexOf(to) + 1);
        if (!ComputeMethodDayTable(table, firstIndex, endIndex, ComputeYearElements(year), city,
                                   *method, *inputs)) {
            return std::nullopt;
        }
        const std::int64_t fromDays = DaysFromCivil(from);
        for (std::int16_t j = firstIndex; j < endIndex; ++j) {
            rows.push_back(DatedRow{CivilFromDays(fromDays + (j - firstIndex)), table.rows[j],
                                    city.zoneHours + inputs->daylightShifts[j]});
        }
    }
    return rows;
}

}  // namespace orvanta
