#include "astro/angles.h"

namespace orvanta {

double DegreesToRadians(double x) {
    return x * kRadiansPerDegree;
}

double DegMinToDegrees(std::int16_t degrees, std::int16_t minutes) {
    return static_cast<double>(minutes) * kOneSixtieth + static_cast<double>(degrees);
}

double DegMinSecToDegrees(int whole, std::int16_t minutes, double seconds) {
    return (static_cast<double>(minutes) * kOneSixtieth + seconds * kOneOver3600) +
           static_cast<double>(whole);
}

}  // namespace orvanta
