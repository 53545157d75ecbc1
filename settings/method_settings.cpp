#include "settings/method_settings.h"

#include <array>
#include <charconv>
#include <optional>

#include "astro/method_presets.h"
#include "settings/settings_fields.h"

namespace orvanta {
namespace {

std::string Decimal(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

std::string WholeNumber(int value) {
    return std::to_string(value);
}

// A field of an optional member: nothing is its default.
template <auto Member, auto Parse, auto Format>
constexpr SettingsField<MethodChoice> OptionalField(std::string_view name) {
    return {name,
            [](const std::string& text, MethodChoice& c) {
                const auto value = Parse(text);
                if (value) {
                    c.*Member = *value;
                }
                return value.has_value();
            },
            [](const MethodChoice& c) {
                return c.*Member ? std::string(Format(*(c.*Member))) : std::string();
            },
            [](const MethodChoice& c) { return !(c.*Member).has_value(); }};
}

// The Method value is written for a preset, and over a stored one when classic is chosen.
constexpr SettingsField<MethodChoice> kFields[] = {
    {kMethodIdValueName,
     [](const std::string& text, MethodChoice& c) {
         const bool known = text == kClassicMethodId || FindMethodPreset(text) != nullptr;
         c.presetId = known ? text : c.presetId;
         return known;
     },
     [](const MethodChoice& c) { return c.presetId; }, IsClassic, AtDefault::kRewriteStored},
    OptionalField<&MethodChoice::fajrAngleDeg, ParseTwilightAngle, Decimal>(kFajrAngleValueName),
    OptionalField<&MethodChoice::ishaAngleDeg, ParseTwilightAngle, Decimal>(kIshaAngleValueName),
    OptionalField<&MethodChoice::ishaIntervalMinutes, ParseIshaInterval, Decimal>(
        kIshaIntervalValueName),
    OptionalField<&MethodChoice::maghribAngleDeg, ParseMaghribAngle, Decimal>(
        kMaghribAngleValueName),
    {kAdjustmentsValueName,
     [](const std::string& text, MethodChoice& c) {
         const std::optional<MinuteOffsets> adjustments = ParseAdjustments(text);
         c.adjustments = adjustments.value_or(c.adjustments);
         return adjustments.has_value();
     },
     [](const MethodChoice& c) { return FormatAdjustments(c.adjustments); },
     [](const MethodChoice& c) { return c.adjustments == MinuteOffsets{}; }},
    OptionalField<&MethodChoice::highLatitude, ParseHighLatitudeRule, HighLatitudeRuleName>(
        kHighLatitudeValueName),
    OptionalField<&MethodChoice::rounding, ParseRoundingRule, RoundingRuleName>(kRoundingValueName),
    OptionalField<&MethodChoice::nearestLatitudeDeg, ParseNearestLatitude, Decimal>(
        kNearestLatitudeValueName),
    OptionalField<&MethodChoice::imsakMinutes, ParseImsakMinutes, WholeNumber>(
        kImsakMinutesValueName),
};

}  // namespace

MethodSettings LoadMethodSettings(const SettingsFile& file) {
    return LoadMethodSettings(ReadSettingsSnapshot(file));
}

MethodSettings LoadMethodSettings(const SettingsSnapshot& saved) {
    MethodSettings loaded;
    if (saved.key) {
        ReadSettingsFields<MethodChoice>(*saved.key, kFields, loaded.choice, loaded.unreadable);
    }
    return loaded;
}

bool StoreMethodValues(RegistryDocument& document, const MethodChoice& choice,
                       const std::vector<std::string>& leaveAlone) {
    return StoreSettingsFields<MethodChoice>(document, kFields, choice, leaveAlone);
}

}  // namespace orvanta
