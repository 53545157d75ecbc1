// The cities of the shipped database nearest to a point, for "where am I".
//
// Order: a person at a point wants the town they are in or next to, not the smallest place
// that happens to lie closest. So the cities with at least kTownPopulation people within
// kTownReachKm of the point come first, nearest first; then every other city, nearest first.
// A village 2 km away thus follows the town 8 km away, while in open country (no town within
// reach) the nearest place of any size leads.
//
// Search: the database has an index on (latitude, longitude, population). A band of latitudes
// around the point is read (with the longitudes a city within the band's reach can have; all of
// them when the reach takes in a pole or the band crosses the date line, as two ranges), exact
// distances are computed, and the band widens fourfold until enough cities lie within its
// half-width: a city outside the band is farther than that, since no path is shorter than the
// difference of latitude alone.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "cities/city_finder.h"

namespace orvanta {

inline constexpr std::int64_t kTownPopulation = 15000;
inline constexpr double kTownReachKm = 20.0;

struct NearbyCity {
    CityListing city;
    std::int64_t cityId = 0;  // of the shipped database
    double distanceKm = 0.0;  // great circle on the sphere of GreatCircleKm
    double bearingDeg = 0.0;  // from the point to the city, clockwise from true north, [0, 360)
};

struct NearestCitiesResult {
    bool readable = true;  // false: the database is missing or cannot be read; rows empty
    std::vector<NearbyCity> rows;
};

// Given the city database, a point (latitude -90 .. 90 NORTH positive, longitude EAST
// positive, any value: it wraps) and the most rows wanted (capped at 1000), returns the nearest
// cities in the order above. Empty for a limit of 0.
NearestCitiesResult FindNearestCities(const std::filesystem::path& cityDatabase, double latitudeDeg,
                                      double longitudeDeg, std::size_t limit);

}  // namespace orvanta
