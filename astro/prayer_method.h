// A method of an authority: how its Fajr, Maghrib and Isha are defined, the minutes it adds to
// each time, how it rounds, and what it does where the twilight never ends.
#pragma once

#include <array>
#include <cstdint>

namespace orvanta {

inline constexpr int kMethodSlotCount = 6;  // Fajr, Shuruq, Zuhr, Asr, Maghrib, Isha

// Whole minutes added to each time, indexed like a day row (0 = Fajr .. 5 = Isha).
using MinuteOffsets = std::array<int, kMethodSlotCount>;

// How Isha is found.
enum class IshaRule : std::uint8_t {
    kAngle,     // the sun at ishaAngleDeg below the horizon in the evening
    kInterval,  // a fixed number of minutes after Maghrib
};

// What bounds Fajr and Isha (and a Maghrib by angle) where the twilight is long or never ends.
// The first three take a portion of the night, the one interval from a sunset to the next
// sunrise: Fajr no earlier than its sunrise minus the portion of the night that ends there, Isha
// no later than its sunset plus the portion of the night that begins there. Where the sun does
// not set or rise there is no night, and nothing is bounded. The last two only stand in for a
// twilight that does not occur.
enum class HighLatitudeRule : std::uint8_t {
    kNone,             // the computed twilight, or no time where there is none
    kMiddleOfNight,    // half of the night
    kSeventhOfNight,   // one seventh of the night
    kTwilightAngle,    // angle / 60 of the night (18 deg: 0.3 of the night)
    kNearestDay,       // the time of the nearest day of the year on which the twilight occurs
    kNearestLatitude,  // the day as at nearestLatitudeDeg, at the place's longitude and zone
};

// How a time becomes a whole minute.
enum class RoundingRule : std::uint8_t {
    kNearest,  // half a minute and more rounds up (done when the time is shown)
    kUp,       // any seconds past a whole minute round up to the next minute
};

// Where a computed Fajr or Isha may stop before the high-latitude rule: the Moonsighting
// Committee's seasonal bound on the length of the twilight.
enum class TwilightBound : std::uint8_t {
    kNone,
    kMoonsightingSeasonal,  // minutes from latitude and the days since the winter solstice
};

// Minutes before Fajr at which Imsak falls where the authority publishes none (the Indonesian
// and Malaysian imsakiyahs: Subuh - 10 minutes), and the most a user may set.
inline constexpr int kDefaultImsakMinutes = 10;
inline constexpr int kMaxImsakMinutes = 60;

// Where the night that midnight and the last third divide ends; it always begins at sunset.
enum class NightEnd : std::uint8_t {
    kSunrise,  // sunset to the next sunrise
    kFajr,     // sunset to the next Fajr (the Shia convention)
};

struct PrayerMethod {
    double fajrAngleDeg = 18.0;  // degrees of the sun below the horizon at Fajr, 0 .. 90
    IshaRule ishaRule = IshaRule::kAngle;
    double ishaAngleDeg = 17.0;             // degrees below the horizon at Isha (Angle rule)
    double ishaIntervalMinutes = 0.0;       // minutes after Maghrib (Interval rule)
    double ramadanIshaIntervalMinutes = 0;  // minutes after Maghrib in Ramadan; 0 = the same
    // Degrees below the horizon at Maghrib; 0 means at sunset (the sun's upper limb on the
    // horizon with refraction, the same event as Shuruq in the evening).
    double maghribAngleDeg = 0.0;
    TwilightBound twilightBound = TwilightBound::kNone;
    HighLatitudeRule highLatitude = HighLatitudeRule::kNone;
    // Degrees of latitude (no sign: the place's hemisphere) at which NearestLatitude computes
    // a day whose sun does not rise or set, or whose twilight does not occur; 0 .. 80.
    double nearestLatitudeDeg = 48.5;
    RoundingRule rounding = RoundingRule::kNearest;
    MinuteOffsets methodMinutes{};      // the authority's own fixed offsets
    MinuteOffsets adjustmentMinutes{};  // the user's adjustments, -60 .. +60, added after
    // Object lengths beyond the noon shadow at Asr: 1.0 Shafi, 2.0 Hanafi.
    double asrShadowFactor = 1.0;
    // Minutes of Imsak before Fajr, 0 .. 60: the authority's own where it publishes one.
    int imsakMinutes = kDefaultImsakMinutes;
    NightEnd nightEnd = NightEnd::kSunrise;
};

}  // namespace orvanta
