#include "astro/sun_track.h"

#include <cmath>

#include "astro/angles.h"

namespace orvanta {
namespace {

// A step this small (3.6 s) ends a solution: the declination's pull shrinks each step to a few
// hundredths of the one before, so what is left is below 0.2 s.
constexpr double kConvergedHours = 1e-3;
// Newton's step is trusted while the pull is below this, and ends the solution when it is
// shorter than kNewtonDoneHours (3 min; what is left is of the order of its square).
constexpr double kTrustedPull = 0.25;
constexpr double kNewtonDoneHours = 0.05;
// Hours from the transit to the lower culmination: 12 h of hour angle at the sun's mean rate.
constexpr double kHalfSolarDayHours = 12.0;
constexpr int kFixedPointSteps = 8;
constexpr int kBisectionSteps = 32;  // 12 h / 2^32: well below a millisecond

// x (hours) reduced to [-12, 12): below 24000 h the whole days are counted by a truncation of a
// positive number, which compiles to one instruction where floor() may be a call.
double WrapHalfDay(double x) {
    if (!(std::fabs(x) < 24000.0)) {
        return x - 24.0 * std::floor((x + 12.0) * kOneOver24);  // never in practice; NaN stays
    }
    constexpr double kOffsetDays = 1000.0;
    const auto days = static_cast<long>((x + 12.0) * kOneOver24 + kOffsetDays);
    return x - 24.0 * (static_cast<double>(days) - kOffsetDays);
}

// How fast (hours per hour) the hour angle at which the sun stands at the altitude changes as
// the declination moves at `hours`: d(H)/d(sin dec) * d(sin dec)/d(hours). H in (0, 12).
double HourAnglePull(const SunWindow& w, const SunAtHour& sun, double sinAltitude, double hours) {
    const double x = sun.sinDeclination, c = sun.cosDeclination;
    const double cosH = (sinAltitude - w.sinLatitude * x) / (w.cosLatitude * c);
    const double sinH = std::sqrt(std::fmax(0.0, 1.0 - cosH * cosH));
    if (!(sinH > 1e-6)) {
        return 1e9;  // at the transit or the lower culmination: no trusted slope
    }
    const double dCosH = (sinAltitude * x - w.sinLatitude) / (w.cosLatitude * c * c * c);
    const double p = (hours - 12.0) * kOneOver24;
    const double dSinDec = (w.sinDeclination[1] + 2.0 * p * w.sinDeclination[2]) * kOneOver24;
    return -dCosH / sinH * kHoursPerRadian * dSinDec;
}

double Clamp(double x, double low, double high) {
    return x < low ? low : (x > high ? high : x);
}

// The coefficients of the parabola through values at p = -1, 0, +1.
std::array<double, 3> Parabola(double before, double at, double after) {
    return {at, 0.5 * (after - before), 0.5 * (after + before) - at};
}

double Evaluate(const std::array<double, 3>& c, double p) {
    return c[0] + p * (c[1] + p * c[2]);
}

// The sine of the sun's altitude at a time on the axis.
double SinAltitude(const SunWindow& w, const SunAtHour& sun) {
    return w.sinLatitude * sun.sinDeclination +
           w.cosLatitude * sun.cosDeclination * std::cos(sun.hourAngleHours / kHoursPerRadian);
}

// The hour angle in hours (0 .. 12) at which the sun of that declination stands at the
// altitude, clamped to the transit (0) or the lower culmination (12) when it does not reach it.
double HourAngleAt(const SunWindow& w, const SunAtHour& sun, double sinAltitude) {
    const double c =
        (sinAltitude - w.sinLatitude * sun.sinDeclination) / (w.cosLatitude * sun.cosDeclination);
    if (!(c < 1.0)) {
        return 0.0;
    }
    if (!(c > -1.0)) {
        return 12.0;
    }
    return std::acos(c) * kHoursPerRadian;
}

}  // namespace

SunSample SunAt(const YearElements& el, double daysSinceEpoch) {
    const double t = daysSinceEpoch;
    const double meanLongitude = el.meanMotion * t + el.meanLongitudeAtEpoch;
    const double meanAnomaly = meanLongitude - (el.perigeeMotion * t + el.perigeeLongitudeAtEpoch);
    const double s = std::sin(meanAnomaly), c = std::cos(meanAnomaly);
    const double centre = el.centreCoefficient1 * s + el.centreCoefficient2 * 2.0 * s * c +
                          el.centreCoefficient3 * s * (3.0 - 4.0 * s * s);
    // The Moon's ascending node (degrees) from the Julian centuries since J2000.0, and the
    // low-precision corrections from it: Meeus, Astronomical Algorithms, chapters "Nutation
    // and the Obliquity of the Ecliptic" (the node) and "Solar Coordinates" (the apparent
    // longitude and the obliquity corrected for nutation).
    const double centuries = (el.epochDaysFromJ2000 + t) * kOneOver36525;
    const double node = DegreesToRadians(125.04452 - 1934.136261 * centuries);
    // Aberration and nutation in longitude; nutation in obliquity (degrees).
    const double longitude =
        meanLongitude + centre + DegreesToRadians(-0.00569 - 0.00478 * std::sin(node));
    const double obliquity = el.obliquityRad + DegreesToRadians(0.00256 * std::cos(node));
    const double sinLongitude = std::sin(longitude);
    SunSample sun;
    double alpha = std::atan2(std::cos(obliquity) * sinLongitude, std::cos(longitude));
    alpha *= kHoursPerRadian;
    sun.rightAscensionHours = alpha < 0.0 ? alpha + 24.0 : alpha;
    sun.sinDeclination = std::sin(obliquity) * sinLongitude;
    sun.cosDeclination = std::sqrt(1.0 - sun.sinDeclination * sun.sinDeclination);
    return sun;
}

SunSample SunAtClockNoon(const YearElements& elements, const CityLocation& city, int dayNumber) {
    return SunAt(elements, static_cast<double>(dayNumber) + (12.0 - city.zoneHours) * kOneOver24);
}

SunWindow MakeSunWindow(const YearElements& elements, const CityLocation& city, int dayNumber,
                        const std::array<SunSample, 3>& noon, double latitudeRad) {
    SunWindow w;
    w.elements = &elements;
    w.westLongitudeHours = city.longitudeRad * kHoursPerRadian;
    w.zoneHours = city.zoneHours;
    w.latitudeRad = latitudeRad;
    w.sinLatitude = std::sin(latitudeRad);
    w.cosLatitude = std::cos(latitudeRad);
    w.dayNumber = dayNumber;
    w.noon = noon;
    const double ra = noon[1].rightAscensionHours;
    w.rightAscension = Parabola(ra + WrapHalfDay(noon[0].rightAscensionHours - ra), ra,
                                ra + WrapHalfDay(noon[2].rightAscensionHours - ra));
    w.sinDeclination =
        Parabola(noon[0].sinDeclination, noon[1].sinDeclination, noon[2].sinDeclination);
    w.cosDeclination =
        Parabola(noon[0].cosDeclination, noon[1].cosDeclination, noon[2].cosDeclination);
    return w;
}

SunAtHour SunOnAxis(const SunWindow& w, double hours) {
    const double p = (hours - 12.0) * kOneOver24;
    SunAtHour sun;
    sun.sinDeclination = Evaluate(w.sinDeclination, p);
    sun.cosDeclination = Evaluate(w.cosDeclination, p);
    // Sidereal time: the epoch's, the gain beyond 24 h per day, and the hours of the day.
    const double universal = hours - w.zoneHours;
    const double days = static_cast<double>(w.dayNumber) + universal * kOneOver24;
    const double sidereal =
        w.elements->siderealTimeAtEpoch + w.elements->siderealGainPerDay * days + universal;
    sun.hourAngleHours =
        WrapHalfDay(sidereal - w.westLongitudeHours - Evaluate(w.rightAscension, p));
    return sun;
}

double TransitHours(const SunWindow& w) {
    double hours = 12.0;
    for (int i = 0; i < kFixedPointSteps; ++i) {
        const double step = SunOnAxis(w, hours).hourAngleHours;  // the hour angle runs ~1 h/h
        hours -= step;
        if (std::fabs(step) < kConvergedHours) {
            break;
        }
    }
    return hours;
}

Crossing CrossingHours(const SunWindow& w, double sinAltitude, double transitHours, bool morning) {
    const double sign = morning ? -1.0 : 1.0;
    const SunAtHour atTransit = SunOnAxis(w, transitHours);
    if (w.cosLatitude * atTransit.cosDeclination < 1e-12 ||
        w.sinLatitude * atTransit.sinDeclination + w.cosLatitude * atTransit.cosDeclination <
            sinAltitude) {
        return {};  // at a pole, or the sun stays below the altitude at its highest
    }
    // The lower culmination on this side of the transit (to a minute, in which the declination
    // moves less than 0.0003 deg), and whether the sun gets that low.
    const double low = transitHours + sign * kHalfSolarDayHours;
    const SunAtHour atLow = SunOnAxis(w, low);
    if (w.sinLatitude * atLow.sinDeclination - w.cosLatitude * atLow.cosDeclination > sinAltitude) {
        return {};
    }
    const double first = morning ? low : transitHours, last = morning ? transitHours : low;
    double hours = transitHours + sign * HourAngleAt(w, atTransit, sinAltitude);
    double previous = 0.0;
    for (int i = 0; i < kFixedPointSteps; ++i) {
        const SunAtHour sun = SunOnAxis(w, hours);
        double step = WrapHalfDay(sign * HourAngleAt(w, sun, sinAltitude) - sun.hourAngleHours);
        if (std::fabs(step) < kConvergedHours) {
            return Crossing{true, Clamp(hours + step, first, last)};
        }
        // Newton's step: the hour angle sought moves with the declination as the time moves
        // (`pull` hours per hour); a small step taken so leaves well under a second.
        const double pull = sign * HourAnglePull(w, sun, sinAltitude, hours);
        if (std::fabs(pull) < kTrustedPull) {
            hours = Clamp(hours + step / (1.0 - pull), first, last);
            if (std::fabs(step) < kNewtonDoneHours) {
                return Crossing{true, hours};
            }
            continue;
        }
        // Else the steps shrink by a nearly constant ratio r: their sum, step / (1 - r), is
        // taken at once (Aitken's extrapolation) while the ratio is small enough to trust.
        const double ratio = previous != 0.0 ? step / previous : 1.0;
        previous = step;
        if (std::fabs(ratio) < 0.5) {
            step /= 1.0 - ratio;
        }
        hours = Clamp(hours + step, first, last);
    }
    // Close to the lower culmination the declination's pull can outrun the steps: bisect the
    // altitude between the transit and the lower culmination instead.
    double above = transitHours, below = low;
    for (int i = 0; i < kBisectionSteps; ++i) {
        const double mid = 0.5 * (above + below);
        (SinAltitude(w, SunOnAxis(w, mid)) >= sinAltitude ? above : below) = mid;
    }
    return Crossing{true, 0.5 * (above + below)};
}

}  // namespace orvanta
