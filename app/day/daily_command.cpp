#include "app/day/daily_command.h"

#include <optional>
#include <string>

#include "app/text/display_text.h"
#include "app/text/time_display.h"
#include "astro/calendar.h"
#include "astro/solar_position.h"
#include "resources/string_table.h"
#include "timetable/civil_time.h"
#include "timetable/night_rows.h"
#include "timetable/timetable.h"

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

int ShowDayTimes(const DatedRow& day, TimeListView* list) {
    if (list != nullptr) {
        list->DeleteAllRows();
    }
    int last = -1;
    for (int s = 0; s < kPrayerCount; ++s) {
        const auto slot = static_cast<PrayerSlot>(s);
        const double hours = static_cast<double>(day.row[static_cast<std::size_t>(s)]);
        const std::string timeText = DisplayTime(hours).toStdString();
        last = AddTimeRow(list, s, PrayerNameOn(slot, day.date).toStdString(), timeText);
    }
    if (!day.night) {
        return last;
    }
    for (std::size_t i = 0; i < kNightFields.size() && last != -1; ++i) {
        const std::optional<NightTime>& time = (*day.night).*kNightFields[i].member;
        const std::string timeText = DisplayTime(time ? time->hours : NO_EVENT_TIME).toStdString();
        last = AddTimeRow(list, kPrayerCount + static_cast<int>(i),
                          NightName(static_cast<int>(i)).toStdString(), timeText);
    }
    return last;
}

namespace {

// Keeps in records what the day's computation used of its year (the solar elements, the
// calendar, the daylight-saving shifts, the Ramadan days), the day's row of the day table and
// the day as shown.
void KeepDay(AppRecords& records, const ComputedDay& day) {
    records.yearElements = day.elements;
    records.calendar.calendar = ComputeYearCalendar(day.day.date.year, records.city.supportsDst);
    records.calendar.daylightShifts = day.shifts;
    records.ramadan = day.ramadan;
    records.dayTable.rows[static_cast<std::size_t>(day.index)] = day.tableRow;
    records.shownDay = day.day;
}

// Looks records.city up; a name no city has is reported ("Couldn't find city!"), an unusable
// database is left to the caller's report.
bool LookUpCity(AppRecords& records, const Services& services) {
    const CityLookupStatus status = services.cities.LookUpCity(records.city);
    if (status == CityLookupStatus::kNotFound && services.showMessage) {
        services.showMessage(strings::kCityNotFound, strings::kCityNotFoundCaption);
    }
    return status == CityLookupStatus::kFound;
}

}  // namespace

PrintedDays PrintedDaysOf(const Services& services, const CityLocation& city,
                          const CivilDate& first, const CivilDate& last) {
    return services.printedDays
               ? services.printedDays(city.name, DaysFromCivil(first), DaysFromCivil(last))
               : PrintedDays{};
}

bool CalculateToday(AppRecords& records, const Services& services, TimeListView* list) {
    std::optional<ComputedDay> day;
    if (ReadToday(services.clock, records.today) && LookUpCity(records, services)) {
        const TodayDate& today = records.today;
        const CivilDate date{today.year, today.month, today.day};
        const PrintedDays printed = PrintedDaysOf(services, records.city, date, date);
        day = ComputeDayOfYear(date, records.city, records.settings, records.method.choice,
                               services.zones, &printed);
        if (day && records.display.nightTimes) {
            // The night needs the next day's Fajr and sunrise: nothing when they cannot be had.
            const std::optional<DatedRow> withNight = ComputeDayWithNight(
                date, records.city, records.settings, records.method.choice, &printed);
            day->day.night = withNight ? withNight->night : std::nullopt;
            if (!day->day.night) {
                day->day.night = NightRow{};
            }
        }
    }
    bool shown = false;
    if (day) {
        KeepDay(records, *day);
        shown = ShowDayTimes(day->day, list) != -1 || list == nullptr;
    } else if (services.showMessage) {
        services.showMessage(strings::kErrorGettingData, strings::kErrorGettingDataCaption);
    }
    if (list != nullptr) {
        list->RepaintWindow();
    }
    return shown;
}

}  // namespace orvanta
