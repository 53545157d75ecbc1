// Turns a city row and its zone row, as stored in the city database, into a CityLocation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "astro/calculation_inputs.h"

namespace orvanta {

// A city's columns as read from the database; nothing where the column was NULL or of another
// storage class than expected.
struct StoredCity {
    std::optional<std::string> name;
    std::optional<std::int64_t> latitude;   // |value| = degrees * 100 + minutes, south negative
    std::optional<std::int64_t> longitude;  // |value| = degrees * 100 + minutes, WEST negative
    std::optional<std::int64_t> zoneIndex;
};

// A zone's columns as read from the database.
struct StoredZone {
    std::optional<std::string> ianaName;
    std::optional<std::int64_t> biasMinutes;  // standard time + bias = UT (UTC-5 is 300)
    std::optional<std::int64_t> observesDst;  // nonzero when the zone observes daylight saving
};

// The hemisphere flag, degrees and minutes of one coordinate code.
struct CoordinateParts {
    std::int16_t negative = 0;  // 1 when the code is below zero (south or west)
    std::int16_t degrees = 0;   // |code| / 100
    std::int16_t minutes = 0;   // |code| % 100
};

// Largest magnitude of a latitude code (90 deg 00 min) and of a longitude code (180 deg 00 min).
inline constexpr std::int64_t kMaxLatitudeCode = 9000;
inline constexpr std::int64_t kMaxLongitudeCode = 18000;
// Largest magnitude of a zone bias in minutes (18 hours).
inline constexpr std::int64_t kMaxBiasMinutes = 18 * 60;

// Given a code |value| = degrees * 100 + minutes with its sign, splits it in integer
// arithmetic. Nothing when |code| > maxCode or the minutes exceed 59.
std::optional<CoordinateParts> SplitCoordinateCode(std::int64_t code, std::int64_t maxCode);

// Given a latitude code, sets isSouth, latitudeDegrees, latitudeMinutes and latitudeRad
// (radians, NORTH positive: DegreesToRadians(DegMinToDegrees(deg, min)), negated for south).
// Returns false and changes nothing when the code is out of range.
bool DecodeLatitude(std::int64_t code, CityLocation& city);

// Given a longitude code (east positive in the database), sets isWest, longitudeDegrees,
// longitudeMinutes and longitudeRad (radians, WEST positive: negated for an east or zero code).
// Returns false and changes nothing when the code is out of range.
bool DecodeLongitude(std::int64_t code, CityLocation& city);

// Given a zone bias in minutes (UT - standard time), returns the standard offset in hours, east
// positive, minutes kept: -bias / 60 (-330 gives 5.5, 300 gives -5.0). The division is exact
// for every whole number of quarter hours.
double ZoneHoursFromBias(std::int64_t biasMinutes);

// True for an empty text or a name made of the characters of time-zone database names
// (A-Z a-z 0-9 / _ + - .) that is relative and has no "." or ".." component, so that it can
// name a file below a zone-information folder and nothing outside it.
bool IsPlausibleZoneName(std::string_view name);

// Builds the complete record of a city from its stored row and its zone's row. Nothing when a
// value is missing or out of range: no name, a name that is not a usable city name (bad
// UTF-8, empty, more than 199 UTF-16 code units), a coordinate code out of range or with more
// than 59 minutes, no zone, a bias beyond 18 hours, no daylight-saving flag, an implausible
// zone name.
std::optional<CityLocation> DecodeStoredCity(const StoredCity& city, const StoredZone& zone);

}  // namespace orvanta
