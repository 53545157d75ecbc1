// The table of the six prayer times for each day of a year.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "astro/calculation_inputs.h"
#include "astro/year_elements.h"

namespace orvanta {

// Index of a time within a day row.
enum class PrayerSlot : int {
    kFajr = 0,     // dawn: the sun at the depression angle in the morning, or sunrise - interval
    kShuruq = 1,   // sunrise
    kZuhr = 2,     // the sun's transit
    kAsr = 3,      // afternoon: the sun at the Asr angle after the transit
    kMaghrib = 4,  // sunset
    kIsha = 5,     // night: the sun at the depression angle in the evening, or sunset + interval
};

inline constexpr int kPrayerCount = 6;

// Each slot's key where the settings file and the command line name a prayer, in slot order.
inline constexpr std::array<std::string_view, kPrayerCount> kPrayerKeys = {
    "fajr", "shuruq", "zuhr", "asr", "maghrib", "isha"};

inline constexpr int kDaysInTable = 366;

constexpr int SlotIndex(PrayerSlot slot) {
    return static_cast<int>(slot);
}

// One day: slots 0 .. 5 hold the times in decimal hours of the zone's standard time plus the
// day's daylight-saving hours, single precision and not wrapped into a day (an interval may
// carry a time below 0 or past 24). A value above 360.0 means the event does not happen that
// day (NO_EVENT_TIME, possibly shifted by daylight saving). Slots 6 and 7 are never used.
using DayRow = std::array<float, 8>;

// Rows indexed by day index (0 = 1 January; 59 = 29 February in a leap year; 365 = 31 December
// of a leap year). All zeros until computed.
struct DayTable {
    std::array<DayRow, kDaysInTable> rows{};
};

// Hours to add to every time of a day, indexed by day index: the daylight-saving offset in
// force that day. Any number of hours on any day (half-hour, negative, wrapping the year end).
using DaylightShiftTable = std::array<double, kDaysInTable>;

// Given the year's elements, the city, the settings, the daylight-saving shifts of the year and
// a range of day indexes [first, last), fills those rows of the table in increasing order,
// each event seeded with its own time on the previous day, then adds each day's shift.
// Returns false and writes nothing when the range leaves 0 .. 366; first >= last writes nothing.
[[nodiscard]] bool ComputeDayTable(DayTable& table, std::int16_t first, std::int16_t last,
                                   const YearElements& elements, const CityLocation& city,
                                   const PrayerSettings& settings,
                                   const DaylightShiftTable& daylightShifts);

// Given a day index 0 .. 365, the year's elements, the city, the settings and the day's
// daylight-saving shift in hours, returns the row that ComputeDayTable(table, index, index + 1,
// ...) writes with that shift: the events seeded from the day before, then shifted. It fills no
// table, so one day costs one row.
DayRow ComputeSingleDayRow(std::int16_t index, const YearElements& elements,
                           const CityLocation& city, const PrayerSettings& settings,
                           double shiftHours);

// Given the same inputs as ComputeDayTable, fills each row of [first, last) with what
// ComputeSingleDayRow gives for its index and that day's shift: every row seeded from its own
// day before, not from the previous row. Returns false and writes nothing when the range
// leaves 0 .. 366. For a range of single days, without computing each day's fixed terms twice.
[[nodiscard]] bool ComputeSingleDayRows(DayTable& table, std::int16_t first, std::int16_t last,
                                        const YearElements& elements, const CityLocation& city,
                                        const PrayerSettings& settings,
                                        const DaylightShiftTable& daylightShifts);

}  // namespace orvanta
