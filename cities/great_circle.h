// Distance and direction between two points of the Earth, taken as a sphere of radius
// 6371.0 km (the mean radius; the ellipsoid differs by up to about 0.5 %, far below what
// choosing a city needs).
#pragma once

namespace orvanta {

inline constexpr double kEarthRadiusKm = 6371.0;

// Given two points (latitudes in degrees NORTH positive, longitudes in degrees EAST positive,
// any value: they wrap), returns the great-circle distance in km by the haversine formula,
// which keeps its precision for points metres apart as well as for antipodes.
double GreatCircleKm(double latDeg1, double lonDeg1, double latDeg2, double lonDeg2);

// The initial bearing from the first point to the second along the great circle: degrees
// clockwise from true north, 0 <= value < 360. 0 for the same point; from the north pole 180
// and from the south pole 0, every way there being south or north.
double InitialBearingDeg(double latDeg1, double lonDeg1, double latDeg2, double lonDeg2);

}  // namespace orvanta
