// The stored form of the prayer settings: the registry key, its value names, and the
// conversions between the settings' fields and the values' bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "astro/calculation_inputs.h"

namespace orvanta {

inline constexpr std::string_view kSettingsKeyPath =
    "HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta";
inline constexpr std::string_view kMethodValueName = "SunRise";
inline constexpr std::string_view kIntervalValueName = "Interval";
inline constexpr std::string_view kDepressionValueName = "Depression";
inline constexpr std::string_view kFiqhValueName = "Fiqh";
inline constexpr std::string_view kCityValueName = "City";

// Sizes of the read buffers and of the stored values, in bytes.
inline constexpr std::size_t kNumberValueBytes = 4;
inline constexpr std::size_t kCityValueBytes = 400;  // 200 UTF-16 units, terminator included
inline constexpr std::size_t kMaxConfiguredCityUnits = kCityValueBytes / 2 - 1;  // 199

inline constexpr std::string_view kDefaultCity = "Detroit, MI";

// The 32-bit number of a value's bytes (little-endian), read into a 4-byte buffer cleared
// first: fewer than 4 bytes give their bytes and zero high bytes. Nothing when there are more
// than 4 bytes (the value does not fit the buffer).
std::optional<std::uint32_t> NumberFromValueBytes(std::span<const std::uint8_t> bytes);

// The 4 little-endian bytes of a 32-bit number.
std::vector<std::uint8_t> ValueBytesOfNumber(std::uint32_t number);

// "SunRise": 0 for the depression angle, 1 for the interval.
std::uint32_t StoredMethod(TwilightMethod method);

// The method read back from the low 16 bits of the stored number: 0 is the depression angle,
// anything else the interval (0x00010000 -> angle, 0x0000FFFF -> interval).
TwilightMethod MethodFromStored(std::uint32_t stored);

// "Interval" (minutes) and "Depression" (degrees): the value as an unsigned 32-bit whole
// number, the fraction dropped (toward zero). Values outside 0..4294967295 are clamped, since
// converting them directly is undefined: NaN and negative values (-infinity included) give 0,
// values of 2^32 and more (+infinity included) give 4294967295.
std::uint32_t StoredWholeNumber(double value);

// "Interval" and "Depression" read back: the stored number taken as unsigned (0..4294967295).
double WholeNumberFromStored(std::uint32_t stored);

// "Fiqh": 0 for Shafi, 1 for Hanafi.
std::uint32_t StoredFiqh(Fiqh fiqh);

// "Fiqh" read back: 0 is Shafi, any other number Hanafi.
Fiqh FiqhFromStored(std::uint32_t stored);

// The Asr shadow factor in object lengths: 1.0 for Shafi, 2.0 for Hanafi.
double AsrShadowFactorForFiqh(Fiqh fiqh);

// "City": exactly 400 bytes: the name in UTF-16LE, a zero terminator and zero padding. Nothing
// when the name is not well-formed UTF-8 or takes more than 199 UTF-16 code units.
std::optional<std::vector<std::uint8_t>> CityValueBytes(std::string_view utf8);

// The city name of a stored "City" value of at most 400 bytes (read into a cleared 200-unit
// buffer): the UTF-16LE units up to the first zero unit. Without a zero unit the first 199
// units are kept, 198 when the 199th is a high surrogate whose low half would be cut off. Lone
// surrogates become U+FFFD. Nothing when there are more than 400 bytes.
std::optional<std::string> CityFromValueBytes(std::span<const std::uint8_t> bytes);

}  // namespace orvanta
