#include "astro/year_elements.h"

#include <cmath>

#include "astro/angles.h"

namespace orvanta {
namespace {

// Reduces x to [0, period) with floor, so negative arguments land in the range too.
// reciprocal is the double nearest 1/period.
double ReduceToPeriod(double x, double reciprocal, double period) {
    return x - std::floor(x * reciprocal) * period;
}

// Greenwich mean sidereal time gains 2400h 3m 4.812866s per Julian century
// (8640184.812866 s): 2400.0513369072223 hours.
double SiderealHoursPerCentury() {
    return DegMinSecToDegrees(2400, 3, 4.812866);
}

}  // namespace

double DaysFromJ2000ToYearEpoch(std::int16_t year) {
    const int b = year - 1;
    const int leapDaysBefore = (b / 400 - b / 100) + b / 4;  // truncating divisions
    return (static_cast<double>(leapDaysBefore) + static_cast<double>(year) * 365.0) - 730485.5;
}

YearElements ComputeYearElements(std::int16_t year) {
    const double d0 = DaysFromJ2000ToYearEpoch(year);
    const double t = d0 * kOneOver36525;  // Julian centuries from J2000.0
    YearElements el;

    // Sources of the coefficients (T in Julian centuries from J2000.0), all as printed in
    // J. Meeus, Astronomical Algorithms (Willmann-Bell, 1991):
    // - obliquity: the IAU 1976 expression (Lieske et al. 1977), chapter "Nutation and the
    //   Obliquity of the Ecliptic", kept to its linear term;
    // - eccentricity: the first edition's "Solar Coordinates" chapter (the second edition
    //   prints 0.016708634 and 0.0000001267 instead);
    // - mean longitude and longitude of perigee: the Earth's elements referred to the mean
    //   equinox of the date, table "Elements of the planetary orbits", plus 180 deg. That table
    //   adds the T^2 term of the mean longitude (+0.00030368); it is subtracted here, about
    //   0.07" in this century, and kept so that every table stays as it was;
    // - sidereal time: the IAU 1982 expression of Greenwich mean sidereal time at 0h UT
    //   (Aoki et al. 1982), chapter "Sidereal Time at Greenwich", to its linear term;
    // - the equation of the centre: its series in e (2e - e^3/4) sin M + 5e^2/4 sin 2M
    //   (+ 13e^3/12 sin 3M for the methods' sun).

    // Obliquity: 23 deg 26' 21.448" - 46.815" T, no higher term.
    const double obliquityDeg =
        DegMinSecToDegrees(23, 26, 21.448) - DegMinSecToDegrees(0, 0, 46.815) * t;
    const double obliquity = DegreesToRadians(obliquityDeg);
    el.cosObliquity = std::cos(obliquity);
    el.sinObliquity = std::sin(obliquity);

    const double e = (0.016708617 - t * 0.000042037) - (t * t) * 0.0000001236;  // eccentricity

    // Mean longitude: 280.466449 + 36000.7698231 T - 0.00030368 T^2 degrees.
    el.meanMotion = DegreesToRadians(0.9856473599753595);  // 36000.7698231 / 36525 deg/day
    const double centuryArc = ReduceToPeriod(t * 36000.7698231, kOneOver360, 360.0);
    const double meanLongitudeDeg =
        ReduceToPeriod(centuryArc + (280.466449 - (t * t) * 0.00030368), kOneOver360, 360.0);
    el.meanLongitudeAtEpoch = DegreesToRadians(meanLongitudeDeg);

    // Longitude of perigee: 282.937348 + 1.7195269 T + 0.00045962 T^2 degrees.
    el.perigeeMotion = DegreesToRadians(0.00004707808076659822);  // 1.7195269 / 36525 deg/day
    const double perigeeDeg =
        ReduceToPeriod((t * 0.00045962 + 1.7195269) * t + 282.937348, kOneOver360, 360.0);
    el.perigeeLongitudeAtEpoch = DegreesToRadians(perigeeDeg);

    // Greenwich mean sidereal time at the epoch: 6h 41m 50.54841s + rate * T, in [0, 24).
    el.siderealGainPerDay = SiderealHoursPerCentury() * kOneOver36525;
    const double centuryGain = ReduceToPeriod(SiderealHoursPerCentury() * t, kOneOver24, 24.0);
    el.siderealTimeAtEpoch =
        ReduceToPeriod(centuryGain + DegMinSecToDegrees(6, 41, 50.54841), kOneOver24, 24.0);

    // Equation of the centre to second order in e.
    const double e2 = e * e;
    el.centreCoefficient1 = (2.0 - e2 * 0.25) * e;
    el.centreCoefficient2 = e2 * 1.25;
    el.epochDaysFromJ2000 = d0;
    el.centreCoefficient3 = e2 * e * (13.0 / 12.0);
    el.obliquityRad = obliquity;
    return el;
}

}  // namespace orvanta
