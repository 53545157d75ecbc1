// Angle conversions and the reciprocal constants of the solar model.
//
// Every division by a constant in the astronomy is a multiplication by the double nearest the
// reciprocal; the constants below are those doubles, so results match to the last bit.
#pragma once

#include <cstdint>

namespace orvanta {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kRadiansPerDegree = 0.017453292519943295;  // nearest double to pi/180
inline constexpr double kDegreesPerRadian = 57.29577951308232;     // nearest double to 180/pi
inline constexpr double kHoursPerRadian = 3.819718634205488;       // nearest double to 12/pi
inline constexpr double kOneSixtieth = 0.016666666666666666;       // 1/60
inline constexpr double kOneOver3600 = 0.0002777777777777778;      // 1/3600
inline constexpr double kOneOver360 = 0.002777777777777778;        // 1/360
inline constexpr double kOneOver24 = 0.041666666666666664;         // 1/24
inline constexpr double kOneOver36525 = 0.000027378507871321012;   // 1/36525

// The sun's centre at rise and set: 0.83 deg below the horizon, its semidiameter (16') and the
// refraction at the horizon (34') together, rounded. As a zenith distance: 90.83 deg, the same
// double as the literal 90.83 (the classic table's value to the last bit).
inline constexpr double kHorizonDepressionDeg = 0.83;
inline constexpr double kHorizonZenithDeg = 90.0 + kHorizonDepressionDeg;
static_assert(kHorizonZenithDeg == 90.83);

// Given an angle x in degrees, returns it in radians (x * pi/180). Any finite x.
double DegreesToRadians(double x);

// Given whole degrees and minutes (no sign; the caller applies it afterwards), returns decimal
// degrees formed as minutes * (1/60) + degrees, in that order.
double DegMinToDegrees(std::int16_t degrees, std::int16_t minutes);

// Given a whole part (degrees or hours), minutes and seconds, returns
// (minutes * (1/60) + seconds * (1/3600)) + whole. Serves for degrees-minutes-seconds and for
// hours-minutes-seconds alike.
double DegMinSecToDegrees(int whole, std::int16_t minutes, double seconds);

}  // namespace orvanta
