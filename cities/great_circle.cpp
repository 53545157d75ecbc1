#include "cities/great_circle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

}  // namespace

double GreatCircleKm(double latDeg1, double lonDeg1, double latDeg2, double lonDeg2) {
    const double phi1 = latDeg1 * kRadiansPerDegree;
    const double phi2 = latDeg2 * kRadiansPerDegree;
    const double halfDphi = (phi2 - phi1) / 2.0;
    const double halfDlambda = (lonDeg2 - lonDeg1) * kRadiansPerDegree / 2.0;  // sin^2 wraps
    const double h = std::sin(halfDphi) * std::sin(halfDphi) + std::cos(phi1) * std::cos(phi2) *
                                                                   std::sin(halfDlambda) *
                                                                   std::sin(halfDlambda);
    return 2.0 * kEarthRadiusKm * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

double InitialBearingDeg(double latDeg1, double lonDeg1, double latDeg2, double lonDeg2) {
    const double phi1 = latDeg1 * kRadiansPerDegree;
    const double phi2 = latDeg2 * kRadiansPerDegree;
    const double dlambda = (lonDeg2 - lonDeg1) * kRadiansPerDegree;
    const double y = std::sin(dlambda) * std::cos(phi2);
    const double x =
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dlambda);
    if (std::abs(latDeg1) >= 90.0 - 1e-9) {
        return latDeg1 > 0.0 ? 180.0 : 0.0;  // from a pole every way is south, or north
    }
    if (y == 0.0 && x == 0.0) {
        return 0.0;
    }
    const double degrees = std::atan2(y, x) / kRadiansPerDegree;  // -180 .. 180
    const double bearing = degrees < 0.0 ? degrees + 360.0 : degrees;
    return bearing >= 360.0 ? 0.0 : bearing;
}

}  // namespace orvanta
