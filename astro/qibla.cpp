#include "astro/qibla.h"

#include <cmath>

#include "astro/angles.h"

namespace orvanta {
namespace {

constexpr double kHalfPi = kPi / 2.0;
// About 10 m of arc on the Earth (radius 6371 km), in radians.
constexpr double kSameSpotRad = 1.6e-6;

// The angle between two points of the sphere, in radians (haversine form: exact near 0).
double ArcBetween(double lat1, double lon1, double lat2, double lon2) {
    const double dLat = std::sin((lat2 - lat1) / 2.0);
    const double dLon = std::sin((lon2 - lon1) / 2.0);
    const double h = dLat * dLat + std::cos(lat1) * std::cos(lat2) * dLon * dLon;
    return 2.0 * std::asin(std::sqrt(std::fmin(1.0, h)));
}

}  // namespace

Qibla QiblaFrom(double latitudeRad, double longitudeWestRad) {
    const double lat = latitudeRad;
    const double lonEast = -longitudeWestRad;
    const double kaabaLat = DegreesToRadians(kKaabaLatitudeDeg);
    const double kaabaLon = DegreesToRadians(kKaabaLongitudeEastDeg);
    const double arc = ArcBetween(lat, lonEast, kaabaLat, kaabaLon);
    if (arc < kSameSpotRad) {
        return {QiblaKind::kAtKaaba, 0.0};
    }
    if (kPi - arc < kSameSpotRad) {
        return {QiblaKind::kAnyDirection, 0.0};
    }
    // At a pole the formula's answer depends on the longitude given; a person there has only
    // one way to go.
    if (kHalfPi - std::fabs(lat) < kSameSpotRad) {
        return {QiblaKind::kBearing, lat > 0.0 ? 180.0 : 0.0};
    }
    const double dLon = kaabaLon - lonEast;
    const double y = std::sin(dLon) * std::cos(kaabaLat);
    const double x =
        std::cos(lat) * std::sin(kaabaLat) - std::sin(lat) * std::cos(kaabaLat) * std::cos(dLon);
    double degrees = std::atan2(y, x) / kRadiansPerDegree;
    if (degrees < 0.0) {
        degrees += 360.0;
    }
    return {QiblaKind::kBearing, degrees >= 360.0 ? 0.0 : degrees};
}

}  // namespace orvanta
