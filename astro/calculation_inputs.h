// The two records through which the astronomy receives its inputs: the user's calculation
// choices and the city whose times are computed.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// How Fajr and Isha are found. Stored as the number of the enumerator; any stored number other
// than 0 reads as kInterval.
enum class TwilightMethod : std::int16_t {
    kDepressionAngle = 0,  // the sun's depression angle below the horizon
    kInterval = 1,         // a fixed interval before sunrise and after sunset
};

// The Asr school. Stored as the number of the enumerator; any stored number other than 0 reads
// as kHanafi.
enum class Fiqh : std::int32_t {
    kShafi = 0,   // Asr when an object's shadow exceeds its noon shadow by its length
    kHanafi = 1,  // ... by twice its length
};

// The user's calculation choices. The member initialisers are the defaults that apply when
// nothing usable is stored.
struct PrayerSettings {
    TwilightMethod method = TwilightMethod::kDepressionAngle;
    // Minutes: Fajr this long before sunrise, Isha this long after sunset (interval method).
    double intervalMinutes = 90.0;
    // Degrees of the sun below the horizon for Fajr and Isha (depression method).
    double depressionDegrees = 18.0;
    Fiqh fiqh = Fiqh::kShafi;
    // Length of an object's shadow beyond its noon shadow at Asr, in object lengths:
    // 1.0 for Shafi, 2.0 for Hanafi. Derived from `fiqh` when the settings load.
    double asrShadowFactor = 1.0;
    // The city the user configured (UTF-8; at most 199 UTF-16 code units).
    std::string configuredCity = "Detroit, MI";
};

// The city whose times are computed.
struct CityLocation {
    // The name the city lookup searches for; after a lookup, the name as the database writes
    // it (UTF-8; at most 199 UTF-16 code units).
    std::string name;
    // Degrees, minutes and hemisphere flags of the coordinates, kept beside the radians.
    std::int16_t isSouth = 0;           // 1 when the latitude is south
    std::int16_t latitudeDegrees = 0;   // whole degrees, without sign
    std::int16_t latitudeMinutes = 0;   // minutes, without sign
    std::int16_t isWest = 0;            // 1 when the longitude is west
    std::int16_t longitudeDegrees = 0;  // whole degrees, without sign
    std::int16_t longitudeMinutes = 0;  // minutes, without sign
    double latitudeRad = 0.0;           // radians, NORTH positive
    double longitudeRad = 0.0;          // radians, WEST positive (east negative)
    // Hours of the zone's standard offset, EAST positive, minutes kept (5.5 for India):
    // local standard time = Universal Time + zoneHours.
    double zoneHours = 0.0;
    std::int16_t supportsDst = 0;  // 1 when the city's zone observes daylight saving
    // IANA name of the city's time zone ("America/Detroit"); when empty, daylight saving
    // follows the fixed window for zones with supportsDst set.
    std::string zoneName;
};

}  // namespace orvanta
