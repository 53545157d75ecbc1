// The sun on one continuous time axis, for the methods of the authorities: its apparent
// position at any moment of a few days around a date, and the moments of its transit and of its
// crossings of an altitude, each solved until it no longer moves (the classic table keeps its
// own seeded single step in solar_position.h).
//
// Time axis: hours of the zone's standard time counted from 0h of one civil date, the axis
// date: below 0 is the day before, 24 and above the day after. Angles in radians unless named
// otherwise; latitude north positive, longitude WEST positive, zone hours EAST positive, as in
// CityLocation.
#pragma once

#include <array>
#include <cstdint>

#include "astro/calculation_inputs.h"
#include "astro/year_elements.h"

namespace orvanta {

// The sun's apparent place at one moment.
struct SunSample {
    double rightAscensionHours = 0.0;  // [0, 24)
    double sinDeclination = 0.0;
    double cosDeclination = 1.0;
};

// Given the year's elements and a moment in days of Universal Time since the year epoch (0h UT
// of January 0; the same day count as SolarEventTime's), returns the sun's apparent right
// ascension and declination: the elements' mean orbit with the equation of the centre to third
// order in e, the aberration (-20.5") and the nutation in longitude and obliquity from the
// Moon's node (to about 0.01 deg of longitude).
SunSample SunAt(const YearElements& elements, double daysSinceEpoch);

// Given the year's elements, the city and a day number (1 = 1 January of the elements' year;
// any value, the orbit is continuous), returns the sun at 12h of that date's standard time.
SunSample SunAtClockNoon(const YearElements& elements, const CityLocation& city, int dayNumber);

// The sun around one axis date: samples at 12h of the day before, the date and the day after,
// from which any moment of the axis between -12 h and +36 h is interpolated (second order; the
// error is below 0.00001 deg).
struct SunWindow {
    const YearElements* elements = nullptr;
    double westLongitudeHours = 0.0;  // the city's longitude, hours, west positive
    double zoneHours = 0.0;           // east positive
    double latitudeRad = 0.0;
    double sinLatitude = 0.0;
    double cosLatitude = 1.0;
    int dayNumber = 0;                // of the axis date
    std::array<SunSample, 3> noon{};  // at 12h of dayNumber - 1, dayNumber, dayNumber + 1
    // Interpolation coefficients in p = (hours - 12) / 24: value = c0 + p (c1 + p c2).
    std::array<double, 3> rightAscension{};  // hours, unwrapped across 0h
    std::array<double, 3> sinDeclination{};
    std::array<double, 3> cosDeclination{};
};

// Given the three samples of SunAtClockNoon for dayNumber - 1 .. dayNumber + 1, returns the
// window of the axis date at the city's latitude `latitudeRad` (the city's own, or another one
// at the same longitude and zone).
SunWindow MakeSunWindow(const YearElements& elements, const CityLocation& city, int dayNumber,
                        const std::array<SunSample, 3>& noon, double latitudeRad);

// Given a window and a time on its axis (hours, -12 .. 36), returns the sun's declination terms
// and its local hour angle in hours, in [-12, 12): negative before the transit.
struct SunAtHour {
    double sinDeclination = 0.0;
    double cosDeclination = 1.0;
    double hourAngleHours = 0.0;
};
SunAtHour SunOnAxis(const SunWindow& window, double hours);

// Given a window, returns the axis time (hours, about 0 .. 24) of the sun's transit nearest 12h.
double TransitHours(const SunWindow& window);

// Given a window, the sine of an altitude (negative below the horizon), the transit time from
// TransitHours and whether the crossing before the transit (morning) or after it is wanted,
// returns the axis time of the crossing, between the lower culmination before the transit and
// the transit (morning) or the transit and the lower culmination after it (evening); or nothing
// when the sun does not reach that altitude there: it stays above it through the lower
// culmination, or never rises to it at the transit.
struct Crossing {
    bool exists = false;
    double hours = 0.0;
};
Crossing CrossingHours(const SunWindow& window, double sinAltitude, double transitHours,
                       bool morning);

}  // namespace orvanta
