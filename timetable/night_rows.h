// The night's times of the days of a range, placed on the clocks of their instants.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "astro/prayer_method.h"
#include "timetable/timetable.h"

namespace orvanta {

// Given consecutive days (the last one only ends the night of the one before), the same days'
// rows whose Shuruq and Maghrib are sunrise and sunset (SunEventsMethod; classic's own rows),
// the city's zone name (empty: a fixed offset with its daylight-saving window), the end of the
// night and the minutes of Imsak, sets the night of every day but the last. Each time is
// computed in Universal Time and shown on the clock in force at its instant: the zone's, or
// without a zone name the evening's clock before the next local midnight and the next
// morning's after it. False when the zone's rules cannot be read.
[[nodiscard]] bool AddNightTimes(std::vector<DatedRow>& days, const std::vector<DatedRow>& sunDays,
                                 std::string_view zoneName, NightEnd end, int imsakMinutes);

// How each of the night's times is named by the machine formats and the text output.
struct NightField {
    std::string_view key;          // json key: "imsak", "midnight", "lastThird"
    std::string_view shortName;    // CSV prayer column and iCalendar SUMMARY
    std::string_view displayName;  // the text output's row name
    std::optional<NightTime> NightRow::*member;
};

inline constexpr std::array<NightField, 3> kNightFields = {{
    {"imsak", "Imsak", "Imsak", &NightRow::imsak},
    {"midnight", "Midnight", "Midnight", &NightRow::midnight},
    {"lastThird", "LastThird", "Last third", &NightRow::lastThird},
}};

// Whole minutes after the date's local midnight, rounded to the nearest as every time is shown.
std::int64_t NightMinutes(const NightTime& time);

// The instant in seconds since 1970 UT of a night time of the date, at its shown minute.
std::int64_t NightInstant(const CivilDate& date, const NightTime& time);

}  // namespace orvanta
