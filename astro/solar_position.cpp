#include "astro/solar_position.h"

#include <cmath>

#include "astro/angles.h"

namespace orvanta {
namespace {

// The sun at one moment, for the hour-angle to clock-time conversion.
struct SunAtMoment {
    double westLongitudeHours;   // city longitude in hours, positive west
    double daysFromEpoch;        // t: days since the year epoch at the moment taken
    double rightAscensionHours;  // [0, 24]
    double sinDeclination;
};

// Takes the sun's position at local mean time seedHours of the given day number.
SunAtMoment SunPosition(const YearElements& el, const CityLocation& city, std::int16_t dayNumber,
                        double seedHours) {
    SunAtMoment sun;
    sun.westLongitudeHours = city.longitudeRad * kHoursPerRadian;
    // The seed is local mean time; adding the west longitude in hours gives Universal Time.
    sun.daysFromEpoch =
        (sun.westLongitudeHours + seedHours) * kOneOver24 + static_cast<double>(dayNumber);
    const double t = sun.daysFromEpoch;
    const double meanLongitude = el.meanMotion * t + el.meanLongitudeAtEpoch;  // not reduced
    const double meanAnomaly = meanLongitude - (el.perigeeMotion * t + el.perigeeLongitudeAtEpoch);
    // Equation of the centre, two terms of its series in e (coefficients in year_elements.cpp).
    const double trueLongitude = (std::sin(2.0 * meanAnomaly) * el.centreCoefficient2 +
                                  std::sin(meanAnomaly) * el.centreCoefficient1) +
                                 meanLongitude;
    const double sinLongitude = std::sin(trueLongitude);
    double alpha =
        std::atan2(el.cosObliquity * sinLongitude, std::cos(trueLongitude)) * kHoursPerRadian;
    if (alpha < 0.0) {
        alpha += 24.0;
    }
    sun.rightAscensionHours = alpha;
    sun.sinDeclination = el.sinObliquity * sinLongitude;
    return sun;
}

// One +24 if negative, then one -24 if above 24; exact 0 and 24 are left alone.
double WrapOnce(double clock) {
    if (clock < 0.0) {
        clock += 24.0;
    }
    if (clock > 24.0) {
        clock -= 24.0;
    }
    return clock;
}

// Clock time at which the local hour angle is hourAngleHours, before wrapping. The additions
// run in this exact order so that results agree to the last bit.
double ClockOfHourAngle(const YearElements& el, const CityLocation& city, const SunAtMoment& sun,
                        double hourAngleHours) {
    return ((((hourAngleHours + sun.rightAscensionHours) -
              el.siderealGainPerDay * sun.daysFromEpoch) -
             el.siderealTimeAtEpoch) +
            city.zoneHours) +
           sun.westLongitudeHours;
}

}  // namespace

SolarTransitResult SolarTransit(const YearElements& elements, const CityLocation& city,
                                std::int16_t dayNumber) {
    const SunAtMoment sun = SunPosition(elements, city, dayNumber, 12.0);
    const double declination = std::asin(sun.sinDeclination);
    // The transit has no hour-angle term; 0.0 + alpha is alpha exactly.
    const double clock = ClockOfHourAngle(elements, city, sun, 0.0);
    double zenith = city.latitudeRad - declination;
    if (!(zenith > 0.0)) {
        zenith = -zenith;
    }
    return SolarTransitResult{WrapOnce(clock), zenith};
}

EventGeometry EventGeometryOf(const CityLocation& city, double zenithDistanceRad) {
    return EventGeometry{std::cos(zenithDistanceRad), std::sin(city.latitudeRad),
                         std::cos(city.latitudeRad)};
}

double SolarEventTime(const YearElements& elements, const CityLocation& city,
                      std::int16_t dayNumber, double zenithDistanceRad, double seedHours,
                      std::int16_t morning) {
    return SolarEventTime(elements, city, dayNumber, EventGeometryOf(city, zenithDistanceRad),
                          seedHours, morning);
}

double SolarEventTime(const YearElements& elements, const CityLocation& city,
                      std::int16_t dayNumber, const EventGeometry& geometry, double seedHours,
                      std::int16_t morning) {
    const SunAtMoment sun = SunPosition(elements, city, dayNumber, seedHours);
    const double cosDeclination = std::sqrt(1.0 - sun.sinDeclination * sun.sinDeclination);
    const double cosHourAngle =
        (geometry.cosZenithDistance - geometry.sinLatitude * sun.sinDeclination) /
        (geometry.cosLatitude * cosDeclination);
    const double magnitude = cosHourAngle > 0.0 ? cosHourAngle : -cosHourAngle;
    if (magnitude > 1.0) {
        return NO_EVENT_TIME;
    }
    double hourAngle = std::acos(cosHourAngle) * kHoursPerRadian;  // [0, 12]
    if (morning != 0) {
        hourAngle = 24.0 - hourAngle;  // that far before the transit, modulo a day
    }
    return WrapOnce(ClockOfHourAngle(elements, city, sun, hourAngle));
}

}  // namespace orvanta
