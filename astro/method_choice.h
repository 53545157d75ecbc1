// The user's choice of method as the settings file and the command line spell it: classic,
// or a preset with some of its parameters overridden, the user's minutes, a high-latitude rule
// and a rounding. Text in and out is UTF-8 / ASCII; numbers use a '.' whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/prayer_method.h"

namespace orvanta {

inline constexpr std::string_view kClassicMethodId = "classic";
inline constexpr int kMaxAdjustmentMinutes = 60;  // per prayer, either way

// Ranges a user may give (degrees below the horizon, minutes after Maghrib).
inline constexpr double kMinTwilightAngleDeg = 0.0;  // exclusive
inline constexpr double kMaxTwilightAngleDeg = 30.0;
inline constexpr double kMaxMaghribAngleDeg = 10.0;
inline constexpr double kMaxIshaIntervalMinutes = 300.0;
inline constexpr double kMaxNearestLatitudeDeg = 65.0;  // the sun still sets there in June

struct MethodChoice {
    std::string presetId{kClassicMethodId};        // "classic" or a preset id
    std::optional<double> fajrAngleDeg;            // overrides, each only where the user gave one
    std::optional<double> ishaAngleDeg;            // an Isha angle replaces a preset's interval
    std::optional<double> ishaIntervalMinutes;     // wins over an Isha angle; Ramadan alike
    std::optional<double> maghribAngleDeg;         // 0 = at sunset
    MinuteOffsets adjustments{};                   // -60 .. +60 each
    std::optional<HighLatitudeRule> highLatitude;  // nothing: the preset's own
    std::optional<double> nearestLatitudeDeg;      // of nearest-latitude; nothing: 48.5
    std::optional<RoundingRule> rounding;          // nothing: the preset's own
    std::optional<int> imsakMinutes;               // 0 .. 60; nothing: the preset's own
};

// True when the choice is the classic model (the PrayerSettings path, bit for bit).
bool IsClassic(const MethodChoice& choice);

// Given a choice naming a preset and the Asr shadow factor (1 Shafi, 2 Hanafi), returns the
// preset's method with the overrides, the adjustments, the rule and the rounding applied.
// Returns nothing for classic or an unknown preset id.
std::optional<PrayerMethod> ResolveMethod(const MethodChoice& choice, double asrShadowFactor);

// Given a value's text, returns it when it lies in its range: an angle (0 < a <= 30), a
// Maghrib angle (0 <= a <= 10) or an Isha interval (0 < m <= 300); plain decimal text only.
std::optional<double> ParseTwilightAngle(std::string_view text);
std::optional<double> ParseMaghribAngle(std::string_view text);
std::optional<double> ParseIshaInterval(std::string_view text);
// The latitude of the nearest-latitude rule, degrees without sign (0 < a <= 65).
std::optional<double> ParseNearestLatitude(std::string_view text);

// Whole minutes of Imsak before Fajr, 0 .. 60, plain digits only.
std::optional<int> ParseImsakMinutes(std::string_view text);

// The minutes of Imsak before Fajr in force: the user's, else the preset's own, else (classic,
// an unknown preset) kDefaultImsakMinutes.
int ImsakMinutesOf(const MethodChoice& choice);

// "none", "middle-of-night", "seventh-of-night", "twilight-angle", "nearest-day",
// "nearest-latitude" and back.
std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view text);
std::string_view HighLatitudeRuleName(HighLatitudeRule rule);

// "nearest", "up" and back.
std::optional<RoundingRule> ParseRoundingRule(std::string_view text);
std::string_view RoundingRuleName(RoundingRule rule);

// Given "PRAYER=MIN[,PRAYER=MIN...]" with prayers fajr shuruq zuhr asr maghrib isha, each at
// most once, and whole minutes -60 .. +60 (a leading '+' allowed), returns the minutes over
// `base` (prayers not named keep base's value). Nothing for any other text.
std::optional<MinuteOffsets> ParseAdjustments(std::string_view text,
                                              const MinuteOffsets& base = {});

// The six minutes as "fajr=0,shuruq=0,zuhr=0,asr=0,maghrib=0,isha=0".
std::string FormatAdjustments(const MinuteOffsets& minutes);

// One line naming the method in force: "classic" or, for a preset,
// "turkey (Diyanet ...): Fajr 18°, ...", followed by what the user changed and the
// high-latitude rule in force ("; high latitude nearest-latitude at 48.5°").
std::string DescribeMethod(const MethodChoice& choice);

}  // namespace orvanta
