// The day table of an authority's method. The classic table (ComputeDayTable) stays the
// default with its own seeds; this one solves every event to convergence on the continuous time
// axis of its date (sun_track.h), so each row depends on its date alone.
#pragma once

#include <array>
#include <cstdint>

#include "astro/day_table.h"
#include "astro/prayer_method.h"
#include "astro/year_elements.h"

namespace orvanta {

// Which days of the year fall in Ramadan, indexed by day index (0 = 1 January): nonzero for a
// day of Ramadan. All zeros when no day does or when the caller does not know.
using RamadanTable = std::array<std::uint8_t, kDaysInTable>;

// The per-day inputs of one calendar year besides the sun.
struct MethodYear {
    DaylightShiftTable daylightShifts{};  // hours added to the day's times
    RamadanTable ramadan{};               // days on which the Ramadan Isha interval applies
    bool leapYear = false;                // for the seasonal twilight's day count
};

// Given the year's elements, the city, a method and the year's per-day inputs, fills the rows
// [first, last) with ComputeMethodRow (method_day.h) of each date:
//   Zuhr = the transit; Shuruq and sunset with the sun's upper limb on the horizon (0.83 deg
//   below it, with refraction); Asr at its shadow; Fajr at the method's Fajr angle; Maghrib at
//   sunset or at the Maghrib angle; Isha at the Isha angle, or the interval (the Ramadan
//   interval on Ramadan days) after the final Maghrib.
// Then the twilight bound (seasonal, below 55 deg of latitude) or else the high-latitude rule on
// the night that ends at the date's sunrise (Fajr) and the night that begins at its sunset
// (Maghrib by angle, Isha); the method's minutes and rounding; the order of the six times; the
// user's minutes; the day's daylight-saving hours. Slots hold hours as in DayRow (NO_EVENT_TIME
// where none). Rows do not depend on their neighbours: a range equals its single days.
// Returns false and writes nothing when the range leaves 0 .. 366.
[[nodiscard]] bool ComputeMethodDayTable(DayTable& table, std::int16_t first, std::int16_t last,
                                         const YearElements& elements, const CityLocation& city,
                                         const PrayerMethod& method, const MethodYear& year);

// Given a day index 0 .. 365, returns the row that ComputeMethodDayTable(table, index,
// index + 1, ...) writes for a year whose only facts that matter here are given directly:
// whether that day is in Ramadan, whether the year is a leap year and the day's
// daylight-saving hours. It fills no table, so one day costs one row.
DayRow ComputeMethodSingleDayRow(std::int16_t index, const YearElements& elements,
                                 const CityLocation& city, const PrayerMethod& method,
                                 bool ramadanDay, bool leapYear, double shiftHours);

}  // namespace orvanta
