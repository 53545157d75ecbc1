#include "timetable/timetable.h"

#include <algorithm>

#include "astro/calendar.h"
#include "astro/day_table.h"
#include "astro/method_date_row.h"
#include "astro/night_times.h"
#include "astro/year_elements.h"
#include "common/visible_text.h"
#include "hijri/hijri_date.h"
#include "timetable/civil_time.h"
#include "timetable/night_rows.h"
#include "zones/city_daylight.h"
#include "zones/event_clocks.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

// What a day's computation needs from its year: the city as it stands that year, the zone's
// daylight-saving shifts and, only for a method whose Isha changes in Ramadan, the Umm al-Qura
// Ramadan days (none when ICU cannot give them).
struct YearInputs {
    CityLocation city;
    DaylightShiftTable shifts{};
    RamadanTable ramadan{};
    YearElements elements{};    // the sun's elements of the year, made once for all its days
    std::int16_t leapYear = 0;  // 1 in a leap year
    const DaylightShiftSource* zones = nullptr;  // the rules the shifts came from; never null
};

// The row of a single day before the clock step: classic's or the method's. (A classic range
// takes its rows from ClassicRowsOfYear.)
std::optional<DayRow> RawRowOfDay(const CivilDate& date, const YearInputs& year,
                                  const PrayerSettings& settings, const PrayerMethod* method) {
    if (method == nullptr) {
        return ComputeDateRow(date, year.city, settings, &year.shifts);
    }
    return ComputeMethodDateRow(date, year.city, *method, &year.shifts, &year.ramadan);
}

std::int16_t IndexOf(const CivilDate& date, const YearInputs& year) {
    return DayIndexOfDate(year.leapYear, date.month, date.day).value_or(0);
}

// The day's row placed on the clocks of its date.
std::optional<DatedRow> PlacedRow(const DayRow& row, const CivilDate& date,
                                  const YearInputs& year) {
    const CityLocation& city = year.city;
    const double noonOffset =
        city.zoneHours + year.shifts[static_cast<std::size_t>(IndexOf(date, year))];
    ZoneChangesFn changes;
    if (!city.zoneName.empty()) {
        changes = [&city, &year](std::int64_t from, std::int64_t to) {
            return year.zones->Changes(city.zoneName, from, to);
        };
    }
    const std::optional<EventClocks> clocks =
        ClocksOfEvents(row, date, noonOffset, year.shifts, changes);
    if (!clocks) {
        return std::nullopt;
    }
    return DatedRow{date, clocks->row, noonOffset, clocks->offsetHours, std::nullopt, std::nullopt};
}

// The computed day with the printed times of its date in slots 0 .. 5, when printed has them:
// each printed time is a clock time of its own moment, and is shown with the offset in force
// at that moment (ClocksOfEvents for the time taken on the noon clock); the clock times
// themselves stay as printed.
std::optional<DatedRow> WithPrinted(DatedRow day, const YearInputs& year,
                                    const PrintedDays* printed) {
    const PrintedDay* found = printed != nullptr ? printed->Find(DaysFromCivil(day.date)) : nullptr;
    if (found == nullptr) {
        return day;
    }
    for (int s = 0; s < kPrayerCount; ++s) {
        // Hours after local midnight; m / 60 rounds back to m in every time text.
        day.row[s] = static_cast<float>(found->minutes[static_cast<std::size_t>(s)] / 60.0);
    }
    const CityLocation& city = year.city;
    ZoneChangesFn changes;
    if (!city.zoneName.empty()) {
        changes = [&city, &year](std::int64_t from, std::int64_t to) {
            return year.zones->Changes(city.zoneName, from, to);
        };
    }
    const std::optional<EventClocks> clocks =
        ClocksOfEvents(day.row, day.date, day.utcOffsetHours, year.shifts, changes);
    if (!clocks) {
        return std::nullopt;
    }
    day.eventOffsetHours = clocks->offsetHours;
    day.printed = true;
    return day;
}

// The one-day computation shared by a single day and every day of a range, with the year's
// inputs already read.
std::optional<DatedRow> RowOfDay(const CivilDate& date, const YearInputs& year,
                                 const PrayerSettings& settings, const PrayerMethod* method) {
    const std::optional<DayRow> row = RawRowOfDay(date, year, settings, method);
    if (!row) {
        return std::nullopt;
    }
    return PlacedRow(*row, date, year);
}

// The classic rows of the range's days in one year, from date on, daysLeft days at most: each
// the row of its single day, as RawRowOfDay gives it.
bool ClassicRowsOfYear(DayTable& rows, const CivilDate& date, std::int64_t daysLeft,
                       const YearInputs& year, const PrayerSettings& settings) {
    const std::int16_t first = IndexOf(date, year);
    const std::int64_t yearEnd = 365 + year.leapYear;
    const auto last = static_cast<std::int16_t>(std::min(yearEnd, first + daysLeft));
    return ComputeSingleDayRows(rows, first, last, year.elements, year.city, settings, year.shifts);
}

// The city as it stands in a year: a zone given by name is settled for that year.
std::optional<CityLocation> CityOfYear(const CityLocation& city, std::int16_t year,
                                       ZoneYears zoneYears) {
    if (zoneYears == ZoneYears::kAsGiven || city.zoneName.empty()) {
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

// The inputs of a year for the city, settled per zoneYears.
std::optional<YearInputs> InputsOfYear(const CityLocation& city, std::int16_t year,
                                       ZoneYears zoneYears, const PrayerMethod* method,
                                       const DaylightShiftSource& zones) {
    const std::optional<CityLocation> yearCity = CityOfYear(city, year, zoneYears);
    if (!yearCity) {
        return std::nullopt;
    }
    const std::optional<DaylightShiftTable> shifts = DaylightShiftsForCity(*yearCity, year, zones);
    if (!shifts) {
        return std::nullopt;
    }
    YearInputs inputs{*yearCity,
                      *shifts,
                      RamadanTable{},
                      ComputeYearElements(year),
                      ComputeYearCalendar(year, 0).leapYear,
                      &zones};
    if (method != nullptr && method->ishaRule == IshaRule::kInterval &&
        method->ramadanIshaIntervalMinutes > 0.0) {
        inputs.ramadan = RamadanDaysOf(year).value_or(RamadanTable{});
    }
    return inputs;
}

// The rows of [first, last] under a method, or classic's for nullptr.
std::optional<std::vector<DatedRow>> RowsOfRange(const CivilDate& first, const CivilDate& last,
                                                 const CityLocation& city,
                                                 const PrayerSettings& settings,
                                                 const PrayerMethod* methodOrClassic,
                                                 ZoneYears zoneYears, const PrintedDays* printed) {
    const std::int64_t firstDay = DaysFromCivil(first);
    const std::int64_t lastDay = DaysFromCivil(last);
    std::vector<DatedRow> rows;
    rows.reserve(static_cast<std::size_t>(lastDay - firstDay + 1));
    std::optional<YearInputs> year;
    DayTable classicRows{};  // classic only: the rows of the range's days in the current year
    for (std::int64_t day = firstDay; day <= lastDay; ++day) {
        const CivilDate date = CivilFromDays(day);
        if (day == firstDay || (date.month == 1 && date.day == 1)) {
            year = InputsOfYear(city, date.year, zoneYears, methodOrClassic, SystemZones());
            if (!year ||
                (methodOrClassic == nullptr &&
                 !ClassicRowsOfYear(classicRows, date, lastDay - day + 1, *year, settings))) {
                return std::nullopt;
            }
        }
        std::optional<DatedRow> row =
            methodOrClassic == nullptr
                ? PlacedRow(classicRows.rows[static_cast<std::size_t>(IndexOf(date, *year))], date,
                            *year)
                : RowOfDay(date, *year, settings, methodOrClassic);
        if (row) {
            row = WithPrinted(*row, *year, printed);
        }
        if (!row) {
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    return rows;
}

}  // namespace

std::string PrintedMethodText(const CityLocation& city) {
    return "timetable of " + VisibleText(city.name);
}

std::optional<ComputedDay> ComputeDayOfYear(const CivilDate& date, const CityLocation& city,
                                            const PrayerSettings& settings,
                                            const MethodChoice& choice,
                                            const DaylightShiftSource& zones,
                                            const PrintedDays* printed) {
    const std::optional<PrayerMethod> method = ResolveMethod(choice, settings.asrShadowFactor);
    if (!method && !IsClassic(choice)) {
        return std::nullopt;
    }
    const PrayerMethod* methodOrClassic = method ? &*method : nullptr;
    const std::optional<YearInputs> year =
        InputsOfYear(city, date.year, ZoneYears::kAsGiven, methodOrClassic, zones);
    if (!year) {
        return std::nullopt;
    }
    const std::optional<DayRow> row = RawRowOfDay(date, *year, settings, methodOrClassic);
    if (!row) {
        return std::nullopt;
    }
    std::optional<DatedRow> placed = PlacedRow(*row, date, *year);
    if (placed) {
        placed = WithPrinted(*placed, *year, printed);
    }
    if (!placed) {
        return std::nullopt;
    }
    return ComputedDay{*placed,        IndexOf(date, *year), *row,
                       year->elements, year->shifts,         year->ramadan};
}

std::optional<DatedRow> ComputeOneDay(const CivilDate& date, const CityLocation& city,
                                      const PrayerSettings& settings, const MethodChoice& choice,
                                      const DaylightShiftSource& zones,
                                      const PrintedDays* printed) {
    const std::optional<ComputedDay> day =
        ComputeDayOfYear(date, city, settings, choice, zones, printed);
    if (!day) {
        return std::nullopt;
    }
    return day->day;
}

std::optional<std::vector<DatedRow>> ComputeDateRange(const CivilDate& first, const CivilDate& last,
                                                      const CityLocation& city,
                                                      const PrayerSettings& settings,
                                                      const MethodChoice& choice,
                                                      ZoneYears zoneYears,
                                                      const PrintedDays* printed, bool withNight) {
    const std::optional<PrayerMethod> method = ResolveMethod(choice, settings.asrShadowFactor);
    if (!method && !IsClassic(choice)) {
        return std::nullopt;
    }
    const PrayerMethod* methodOrClassic = method ? &*method : nullptr;
    if (!withNight) {
        return RowsOfRange(first, last, city, settings, methodOrClassic, zoneYears, printed);
    }
    // The night of the last day ends on the day after it.
    const CivilDate after = CivilFromDays(DaysFromCivil(last) + 1);
    std::optional<std::vector<DatedRow>> rows =
        RowsOfRange(first, after, city, settings, methodOrClassic, zoneYears, printed);
    std::optional<std::vector<DatedRow>> sunRows;
    if (rows && method) {
        const PrayerMethod sunMethod = SunEventsMethod(*method);
        sunRows = RowsOfRange(first, after, city, settings, &sunMethod, zoneYears, nullptr);
    }
    if (!rows || (method && !sunRows)) {
        return std::nullopt;
    }
    const NightEnd end = method ? method->nightEnd : NightEnd::kSunrise;
    if (!AddNightTimes(*rows, method ? *sunRows : *rows, city.zoneName, end,
                       ImsakMinutesOf(choice))) {
        return std::nullopt;
    }
    rows->pop_back();
    return rows;
}

std::optional<DatedRow> ComputeDayWithNight(const CivilDate& date, const CityLocation& city,
                                            const PrayerSettings& settings,
                                            const MethodChoice& choice,
                                            const PrintedDays* printed) {
    std::optional<std::vector<DatedRow>> rows =
        ComputeDateRange(date, date, city, settings, choice, ZoneYears::kAsGiven, printed, true);
    if (!rows || rows->empty()) {
        return std::nullopt;
    }
    return rows->front();
}

}  // namespace orvanta
