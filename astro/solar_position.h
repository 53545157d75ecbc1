// The sun's position on a day and the clock times at which it transits or reaches a given
// zenith distance.
//
// Units and signs: angles in radians; latitude north positive; longitude WEST positive; zone
// hours east positive (local standard time = UT + zoneHours). Clock times are decimal hours of
// the zone's standard time; daylight saving is not applied here.
#pragma once

#include <cstdint>

#include "astro/calculation_inputs.h"
#include "astro/year_elements.h"

namespace orvanta {

// Returned by SolarEventTime when the sun does not reach the asked zenith distance that day.
// Larger than 24 and than 360, and exact in single precision.
inline constexpr double NO_EVENT_TIME = 10'000'000.0;

struct SolarTransitResult {
    double clockHours = 0.0;             // transit time, hours, wrapped once into [0, 24]
    double noonZenithDistanceRad = 0.0;  // |latitude - declination| at local mean noon, >= 0
};

// Given the year's elements, the city, and a day number of that year (1 = 1 January; 0 is the
// last day of the previous year), returns the clock time of the sun's transit over the city's
// meridian and the sun's zenith distance at local mean noon. A sum outside [0, 24] after one
// +24 and one -24 step is returned unchanged. Never returns NO_EVENT_TIME.
SolarTransitResult SolarTransit(const YearElements& elements, const CityLocation& city,
                                std::int16_t dayNumber);

// One event's fixed terms, computed once for all the days and seeds it is asked for: the cosine
// of the zenith distance sought and the sine and cosine of the city's latitude (no units).
struct EventGeometry {
    double cosZenithDistance = 0.0;
    double sinLatitude = 0.0;
    double cosLatitude = 0.0;
};

// Given the city and a zenith distance in radians, returns the event's fixed terms.
EventGeometry EventGeometryOf(const CityLocation& city, double zenithDistanceRad);

// Given the year's elements, the city, a day number, a zenith distance in radians (pi/2 = the
// sun's centre on the horizon; larger is below it), a seed in hours (the first estimate of the
// event's time of day, which fixes the moment the sun's position is taken) and a morning flag
// (nonzero = the event before the transit), returns the clock time in hours at which the sun
// stands at that zenith distance, wrapped once into [0, 24], or NO_EVENT_TIME when the sun
// never reaches it that day (|cos H| > 1).
double SolarEventTime(const YearElements& elements, const CityLocation& city,
                      std::int16_t dayNumber, double zenithDistanceRad, double seedHours,
                      std::int16_t morning);

// The same, with the zenith distance and latitude given by their fixed terms: the same result
// to the last bit, without recomputing them at every call.
double SolarEventTime(const YearElements& elements, const CityLocation& city,
                      std::int16_t dayNumber, const EventGeometry& geometry, double seedHours,
                      std::int16_t morning);

}  // namespace orvanta
