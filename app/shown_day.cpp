#include "app/shown_day.h"

#include "astro/calendar.h"
#include "zones/event_clocks.h"

namespace orvanta {

std::optional<DatedRow> ShownDay(const AppRecords& records, const Services& services) {
    const CivilDate date{records.today.year, records.today.month, records.today.day};
    const std::optional<std::int16_t> index =
        DayIndexOfDate(records.calendar.calendar.leapYear, date.month, date.day);
    if (!index) {
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(*index);
    const DaylightShiftTable& shifts = records.calendar.daylightShifts;
    const double noonOffsetHours = records.city.zoneHours + shifts[i];
    ZoneChangesFn changes;
    if (!records.city.zoneName.empty()) {
        changes = [&records, &services](std::int64_t from, std::int64_t to) {
            return services.zones.Changes(records.city.zoneName, from, to);
        };
    }
    const std::optional<EventClocks> clocks =
        ClocksOfEvents(records.dayTable.rows[i], date, noonOffsetHours, shifts, changes);
    if (!clocks) {
        return std::nullopt;
    }
    return DatedRow{.date = date,
                    .row = clocks->row,
                    .utcOffsetHours = noonOffsetHours,
                    .eventOffsetHours = clocks->offsetHours};
}

}  // namespace orvanta
