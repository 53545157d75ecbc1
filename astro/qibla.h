// The direction of the Qibla: the initial great-circle bearing from a place to the Kaaba.
#pragma once

namespace orvanta {

// The Kaaba, in degrees: latitude NORTH positive, longitude EAST positive.
inline constexpr double kKaabaLatitudeDeg = 21.4225;
inline constexpr double kKaabaLongitudeEastDeg = 39.8262;

enum class QiblaKind {
    kBearing,       // face `degrees`
    kAtKaaba,       // the place is the Kaaba itself (within about 10 m): no direction
    kAnyDirection,  // the place is the Kaaba's antipode (within about 10 m): every direction
};

struct Qibla {
    QiblaKind kind = QiblaKind::kBearing;
    // Degrees clockwise from true north, in [0, 360); 0 unless kind is Bearing. At the North
    // Pole every direction is south and the answer is 180; at the South Pole it is 0.
    double degrees = 0.0;
};

// Given a place's latitude in radians (NORTH positive) and longitude in radians (WEST positive,
// as CityLocation keeps it), both finite, returns the initial bearing of the great circle from the
// place to the Kaaba on a spherical Earth:
//   tan(bearing) = sin(dL) cos(phiK) / (cos(phi) sin(phiK) - sin(phi) cos(phiK) cos(dL)),
// dL = the Kaaba's east longitude minus the place's east longitude.
Qibla QiblaFrom(double latitudeRad, double longitudeWestRad);

}  // namespace orvanta
