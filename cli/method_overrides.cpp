#include "cli/method_overrides.h"

#include <algorithm>

#include "astro/method_presets.h"

namespace orvanta {

bool MethodOverrides::ChangesAPreset() const {
    return fajrAngleDeg || ishaAngleDeg || ishaIntervalMinutes || maghribAngleDeg || adjustments ||
           highLatitude || nearestLatitudeDeg || rounding;
}

void ApplyMethodOverrides(const MethodOverrides& overrides, MethodChoice& choice) {
    if (overrides.presetId && *overrides.presetId != choice.presetId) {
        // The user's Imsak minutes are their own, not a parameter of the saved preset.
        const std::optional<int> imsak = choice.imsakMinutes;
        choice = MethodChoice{};
        choice.presetId = *overrides.presetId;
        choice.imsakMinutes = imsak;
    }
    const auto replace = [](auto& target, const auto& value) {
        if (value) {
            target = value;
        }
    };
    replace(choice.fajrAngleDeg, overrides.fajrAngleDeg);
    if (overrides.ishaAngleDeg) {
        choice.ishaAngleDeg = overrides.ishaAngleDeg;
        choice.ishaIntervalMinutes.reset();
    }
    if (overrides.ishaIntervalMinutes) {
        choice.ishaIntervalMinutes = overrides.ishaIntervalMinutes;
        choice.ishaAngleDeg.reset();
    }
    replace(choice.maghribAngleDeg, overrides.maghribAngleDeg);
    replace(choice.highLatitude, overrides.highLatitude);
    replace(choice.nearestLatitudeDeg, overrides.nearestLatitudeDeg);
    replace(choice.rounding, overrides.rounding);
    replace(choice.imsakMinutes, overrides.imsakMinutes);
    if (overrides.adjustments) {
        // Only the prayers named change: the text is read over the saved minutes.
        choice.adjustments = ParseAdjustments(*overrides.adjustments, choice.adjustments)
                                 .value_or(choice.adjustments);
    }
}

void WritePresetList(std::ostream& out) {
    out << "classic       the classic model: one angle (or one interval) for Fajr and Isha, "
           "set by --method, --depression, --interval\n";
    for (const MethodPreset& preset : MethodPresets()) {
        std::string id(preset.id);
        id.resize(std::max<std::size_t>(id.size(), 13), ' ');
        out << id << " " << preset.authority << ": " << preset.summary
            << " (source: " << preset.source
            << "); high latitudes: " << HighLatitudeRuleName(preset.method.highLatitude);
        if (preset.method.highLatitude == HighLatitudeRule::kNearestLatitude) {
            out << " at " << preset.method.nearestLatitudeDeg << "°";
        }
        out << " (" << preset.ruleReason << ")\n";
    }
}

}  // namespace orvanta
