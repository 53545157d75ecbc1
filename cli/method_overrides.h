// What the command line asked of the method, and how it changes the saved choice.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "astro/method_choice.h"

namespace orvanta {

// What the options asked for; each field only when given.
struct MethodOverrides {
    std::optional<std::string> presetId;  // a preset id or "classic"
    std::optional<double> fajrAngleDeg;
    std::optional<double> ishaAngleDeg;
    std::optional<double> ishaIntervalMinutes;
    std::optional<double> maghribAngleDeg;
    std::optional<std::string> adjustments;  // PRAYER=MIN[,...], checked
    std::optional<HighLatitudeRule> highLatitude;
    std::optional<double> nearestLatitudeDeg;
    std::optional<RoundingRule> rounding;
    std::optional<int> imsakMinutes;  // classic's too

    // True when anything besides the preset was given (it needs a preset in force).
    bool ChangesAPreset() const;
};

// Applies the overrides to the saved choice: a new preset starts from that preset's own
// parameters (the saved overrides belong to the saved preset), then each override replaces
// its value; --adjust replaces only the prayers it names.
void ApplyMethodOverrides(const MethodOverrides& overrides, MethodChoice& choice);

// Writes every preset: id, authority, parameters, one per line, classic first.
void WritePresetList(std::ostream& out);

}  // namespace orvanta
