// orvanta-times cities nearest LAT LON: the nearest cities with distance and direction.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/times_command.h"
#include "cli/times_options.h"

namespace orvanta {

// The 16-point compass word of a bearing in degrees clockwise from true north: "N", "NNE",
// ... "NNW", each point covering 22.5 degrees centred on its direction.
std::string_view CompassPoint(double bearingDeg);

// Writes the cities nearest to the request's point (FindNearestCities): a table (city,
// country, region, distance in km, direction as degrees and compass point, zone) or with json
// an object {"latitude", "longitude", "cities": [{"name", "country", "region", "latitude",
// "longitude", "zone", "population", "distanceKm", "bearing", "compass"}]}. Returns 0, or 1
// with a message when the database cannot be read.
int WriteNearestCities(const CitiesRequest& request, std::ostream& out, std::ostream& err,
                       const TimesServices& services);

}  // namespace orvanta
