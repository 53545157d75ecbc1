// One day of an authority's method, on the continuous time axis of its date: the sun's events,
// the high-latitude rule, the order of the six times, the minutes and the rounding.
#pragma once

#include <array>

#include "astro/day_table.h"
#include "astro/prayer_method.h"
#include "astro/sun_track.h"

namespace orvanta {

// The sun's transit, rising and setting of one date, hours on its own axis.
struct HorizonDay {
    double transit = 12.0;
    Crossing sunrise, sunset;
};

// Given the year's elements, the city, a day number, the sun at 12h of the day before, the day
// and the day after (SunAtClockNoon) and a latitude in radians, returns the day's transit and
// the crossings of the sun's centre 0.83 deg below the horizon (upper limb, refraction).
HorizonDay HorizonOf(const YearElements& elements, const CityLocation& city, int dayNumber,
                     const std::array<SunSample, 3>& noon, double latitudeRad);

// The per-day facts of one date besides the city and the method.
struct MethodDayFacts {
    int dayIndex = 0;       // 0 = 1 January (day number dayIndex + 1)
    bool ramadan = false;   // the Ramadan Isha interval applies
    bool leapYear = false;  // for the seasonal twilight's day count
    // The sun at 12h standard time of day numbers dayIndex - 1 .. dayIndex + 3 (the date's
    // day number is dayIndex + 1, in the middle), from SunAtClockNoon.
    std::array<SunSample, 5> noon{};
    // HorizonOf the day before, the date and the day after at the city's latitude.
    std::array<HorizonDay, 3> horizon{};
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
