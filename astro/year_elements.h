// The sun's slowly varying elements for one calendar year.
//
// Time base: the year epoch is 0h Universal Time on January 0 of the year (the last day of the
// previous year). Day number 1 is 1 January.
#pragma once

#include <cstdint>

namespace orvanta {

struct YearElements {
    double cosObliquity = 0.0;             // cos(obliquity of the ecliptic)
    double sinObliquity = 0.0;             // sin(obliquity of the ecliptic)
    double meanMotion = 0.0;               // radians per day of the sun's mean longitude
    double meanLongitudeAtEpoch = 0.0;     // radians, [0, 2 pi), at the year epoch
    double perigeeMotion = 0.0;            // radians per day of the perigee's longitude
    double perigeeLongitudeAtEpoch = 0.0;  // radians, [0, 2 pi), at the year epoch
    double siderealGainPerDay = 0.0;       // hours of sidereal time gained per day beyond 24 h
    double siderealTimeAtEpoch = 0.0;      // hours, [0, 24): Greenwich mean sidereal time
    double centreCoefficient1 = 0.0;       // radians: 2e - e^3/4, coefficient of sin M
    double centreCoefficient2 = 0.0;       // radians: 5e^2/4, coefficient of sin 2M
    // For the methods' sun (sun_track.h) only; the classic table does not read them.
    double epochDaysFromJ2000 = 0.0;  // days from J2000.0 to the epoch (ends in .5)
    double centreCoefficient3 = 0.0;  // radians: 13e^3/12, coefficient of sin 3M
    double obliquityRad = 0.0;        // mean obliquity of the ecliptic, radians
};

// Days from J2000.0 (2000 January 1, 12h UT) to the year epoch; always ends in .5
// (-1.5 for 2000, 364.5 for 2001, 8764.5 for 2024). Proleptic Gregorian; for years below 1 the
// truncating integer divisions differ from floor division (kept as is).
double DaysFromJ2000ToYearEpoch(std::int16_t year);

// Given a calendar year (any 16-bit value; meaningful for 1 .. 9999), returns the sun's
// elements for that year. Nothing can fail.
YearElements ComputeYearElements(std::int16_t year);

}  // namespace orvanta
