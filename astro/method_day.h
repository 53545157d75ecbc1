// One day of an authority's method, on the continuous time axis of its date: the sun's events,
// the high-latitude rule, the order of the six times, the minutes and the rounding.
#pragma once

#include <array>

#include "astro/day_table.h"
#include "astro/prayer_method.h"
#include "astro/sun_track.h"

namespace orvanta {

// The per-day facts of one date besides the city and the method.
struct MethodDayFacts {
    int dayIndex = 0;       // 0 = 1 January (day number dayIndex + 1)
    bool ramadan = false;   // the Ramadan Isha interval applies
    bool leapYear = false;  // for the seasonal twilight's day count
    // The sun at 12h standard time of day numbers dayIndex - 1 .. dayIndex + 3 (the date's
    // day number is dayIndex + 1, in the middle), from SunAtClockNoon.
    std::array<SunSample, 5> noon{};
};

// Given the year's elements, the city, the method and the date's facts, returns the date's row
// before daylight saving: hours of the zone's standard time from 0h of the date (an Isha after
// midnight is above 24, a Fajr before it below 0), NO_EVENT_TIME where a time does not exist or
// cannot be placed. On the date's axis every time that exists keeps the order Fajr < Shuruq <
// Zuhr < Asr < Maghrib <= Isha before the user's adjustments are added, Fajr after the last
// sunset and Isha before the next sunrise.
DayRow ComputeMethodRow(const YearElements& elements, const CityLocation& city,
                        const PrayerMethod& method, const MethodDayFacts& facts);

}  // namespace orvanta
