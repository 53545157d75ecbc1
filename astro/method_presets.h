// The methods of the main authorities, as each publishes its parameters.
#pragma once

#include <span>
#include <string_view>

#include "astro/prayer_method.h"

namespace orvanta {

struct MethodPreset {
    std::string_view id;          // as the command line and the settings file spell it
    std::string_view authority;   // who publishes the method
    std::string_view summary;     // the parameters in words
    std::string_view source;      // where the authority publishes them
    PrayerMethod method;          // Shafi Asr, no user adjustments
    std::string_view ruleReason;  // why method.highLatitude is the preset's rule
};

// Every preset, in the order they are listed to the user. Never empty; ids are unique.
std::span<const MethodPreset> MethodPresets();

// Given an id (exact, lower case), returns its preset, or nullptr when there is none.
const MethodPreset* FindMethodPreset(std::string_view id);

}  // namespace orvanta
