#include "app/daily_command.h"

#include <optional>
#include <string>

#include "app/display_text.h"
#include "app/time_display.h"
#include "astro/daylight_shift.h"
#include "astro/method_day_table.h"
#include "hijri/hijri_date.h"
#include "resources/string_table.h"

namespace orvanta {

bool ReadToday(const Clock& clock, TodayDate& today) {
    const std::optional<CivilDate> date = clock.Today();
    if (!date || !IsValidCivilDate(*date)) {
        return false;
    }
    today = TodayDate{date->year, date->month, date->day};
    return true;
}

int AddTimeRow(TimeListView* list, int position, std::string_view nameText,
               std::string_view timeText) {
    if (list == nullptr) {
        return -1;
    }
    const int inserted = list->InsertRow(position, nameText);
    if (inserted == -1) {
        return -1;
    }
    return list->SetTimeText(inserted, timeText) ? inserted : -1;
}

namespace {

// The day's row under the method in force: the classic table for classic, else the method's
// table with the year's shifts and Ramadan days (the same path as the command line's).
bool ComputeRecordsRow(AppRecords& records, std::int16_t index) {
    const auto next = static_cast<std::int16_t>(index + 1);
    const std::optional<PrayerMethod> method =
        ResolveMethod(records.method.choice, records.settings.asrShadowFactor);
    if (!method) {
        return ComputeDayTable(records.dayTable, index, next, records.yearElements, records.city,
                               records.settings, records.calendar.daylightShifts);
    }
    MethodYear year;
    year.daylightShifts = records.calendar.daylightShifts;
    year.ramadan = records.ramadan;
    year.leapYear = records.calendar.calendar.leapYear != 0;
    return ComputeMethodDayTable(records.dayTable, index, next, records.yearElements, records.city,
                                 *method, year);
}

}  // namespace

int ShowDayTimes(AppRecords& records, TimeListView* list, std::int16_t year, std::int16_t month,
                 std::int16_t day, const ZoneChangesFn& zoneChanges) {
    const std::optional<std::int16_t> index =
        DayIndexOfDate(records.calendar.calendar.leapYear, month, day);
    if (!index) {
        return -1;
    }
    if (!ComputeRecordsRow(records, *index)) {
        return -1;
    }
    const DaylightShiftTable& shifts = records.calendar.daylightShifts;
    const std::optional<EventClocks> clocks = ClocksOfEvents(
        records.dayTable.rows[static_cast<std::size_t>(*index)], CivilDate{year, month, day},
        records.city.zoneHours + shifts[static_cast<std::size_t>(*index)], shifts, zoneChanges);
    if (!clocks) {
        return -1;
    }
    records.shownDay = DatedRow{CivilDate{year, month, day}, clocks->row,
                                records.city.zoneHours + shifts[static_cast<std::size_t>(*index)],
                                clocks->offsetHours};
    if (list != nullptr) {
        list->DeleteAllRows();
    }
    const DayRow& row = clocks->row;
    int last = -1;
    for (int s = 0; s < kPrayerCount; ++s) {
        const auto slot = static_cast<PrayerSlot>(s);
        const double hours = static_cast<double>(row[static_cast<std::size_t>(s)]);
        const std::string timeText = DisplayTime(hours).toStdString();
        last = AddTimeRow(list, s, PrayerName(slot).toStdString(), timeText);
    }
    return last;
}

namespace {

// Fills what the day's computation needs of its year: the solar elements, the leap flag, the
// daylight-saving shifts (the zone's real rules, or the fixed window when the city names no
// zone) and, for a method with a longer Isha interval in Ramadan, the Ramadan days. False
// when the city names a zone whose rules cannot be read.
bool PrepareYear(AppRecords& records, const DaylightShiftSource& zones, std::int16_t year) {
    records.yearElements = ComputeYearElements(year);
    records.calendar.calendar = ComputeYearCalendar(year, records.city.supportsDst);
    records.ramadan = RamadanTable{};
    const std::optional<PrayerMethod> method =
        ResolveMethod(records.method.choice, records.settings.asrShadowFactor);
    if (method && method->ishaRule == IshaRule::Interval &&
        method->ramadanIshaIntervalMinutes > 0) {
        records.ramadan = RamadanDaysOf(year).value_or(RamadanTable{});
    }
    if (records.city.zoneName.empty()) {
        records.calendar.daylightShifts =
            DaylightShiftFromWindow(records.calendar.calendar.dstWindow);
        return true;
    }
    // A named zone never falls back to the fixed window: its real rules differ from it in most
    // of the world, and a wrong hour must not be shown as if it were right.
    const std::optional<DaylightShiftTable> shifts =
        zones.Shifts(records.city.zoneName, year, records.city.zoneHours);
    if (!shifts) {
        return false;
    }
    records.calendar.daylightShifts = *shifts;
    return true;
}

}  // namespace

bool CalculateToday(AppRecords& records, const Services& services, TimeListView* list) {
    bool shown = false;
    if (ReadToday(services.clock, records.today) &&
        services.cities.LookUpCity(records.city, services.showMessage) &&
        PrepareYear(records, services.zones, records.today.year)) {
        ZoneChangesFn changes;
        if (!records.city.zoneName.empty()) {
            changes = [&records, &services](std::int64_t from, std::int64_t to) {
                return services.zones.Changes(records.city.zoneName, from, to);
            };
        }
        shown = ShowDayTimes(records, list, records.today.year, records.today.month,
                             records.today.day, changes) != -1 ||
                list == nullptr;
    } else if (services.showMessage) {
        services.showMessage(strings::kErrorGettingData, strings::kErrorGettingDataCaption);
    }
    if (list != nullptr) {
        list->RepaintWindow();
    }
    return shown;
}

}  // namespace orvanta
