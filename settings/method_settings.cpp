#include "settings/method_settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "astro/method_presets.h"
#include "settings/registry_text.h"
#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

std::string Decimal(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

}  // namespace

MethodSettings LoadMethodSettings(const SettingsFile& file) {
    return LoadMethodSettings(ReadSettingsSnapshot(file));
}

MethodSettings LoadMethodSettings(const SettingsSnapshot& saved) {
    MethodSettings loaded;
    const std::optional<RegistryDocument>& document = saved.key;
    if (!document) {
        return loaded;
    }
    MethodChoice& c = loaded.choice;
    std::vector<std::string>& bad = loaded.unreadable;
    const auto presetId = [](const std::string& text) -> std::optional<std::string> {
        if (text == kClassicMethodId || FindMethodPreset(text) != nullptr) {
            return text;
        }
        return std::nullopt;
    };
    c.presetId = ReadSettingsString<std::string>(*document, kMethodIdValueName, presetId, bad)
                     .value_or(std::string(kClassicMethodId));
    c.fajrAngleDeg =
        ReadSettingsString<double>(*document, kFajrAngleValueName, ParseTwilightAngle, bad);
    c.ishaAngleDeg =
        ReadSettingsString<double>(*document, kIshaAngleValueName, ParseTwilightAngle, bad);
    c.ishaIntervalMinutes =
        ReadSettingsString<double>(*document, kIshaIntervalValueName, ParseIshaInterval, bad);
    c.maghribAngleDeg =
        ReadSettingsString<double>(*document, kMaghribAngleValueName, ParseMaghribAngle, bad);
    const auto adjustments = [](const std::string& text) { return ParseAdjustments(text); };
    c.adjustments =
        ReadSettingsString<MinuteOffsets>(*document, kAdjustmentsValueName, adjustments, bad)
            .value_or(MinuteOffsets{});
    c.highLatitude = ReadSettingsString<HighLatitudeRule>(*document, kHighLatitudeValueName,
                                                          ParseHighLatitudeRule, bad);
    c.rounding =
        ReadSettingsString<RoundingRule>(*document, kRoundingValueName, ParseRoundingRule, bad);
    c.nearestLatitudeDeg =
        ReadSettingsString<double>(*document, kNearestLatitudeValueName, ParseNearestLatitude, bad);
    return loaded;
}

bool StoreMethodValues(RegistryDocument& document, const MethodChoice& choice,
                       const std::vector<std::string>& leaveAlone) {
    const auto keep = [&leaveAlone](std::string_view name) {
        return std::any_of(leaveAlone.begin(), leaveAlone.end(),
                           [name](const std::string& n) { return SameRegistryName(n, name); });
    };
    // Sets a value, unless the file already holds exactly that (its text then stays as written).
    const auto set = [&document](std::string_view name, const std::string& text) {
        RegistryData data = RegistryStringData(text);
        const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, name);
        return (stored != nullptr && *stored == data) ||
               SetRegistryValue(document, kSettingsKeyPath, name, std::move(data));
    };
    // Sets the value when the choice has one, else removes it unless it is to be left alone.
    const auto put = [&](std::string_view name, const std::optional<std::string>& text) {
        if (text) {
            return set(name, *text);
        }
        if (!keep(name)) {
            RemoveSettingsValue(document, name);
        }
        return true;
    };
    const auto decimal = [](const std::optional<double>& v) {
        return v ? std::optional<std::string>(Decimal(*v)) : std::nullopt;
    };
    const bool hasMethodValue =
        FindRegistryValue(document, kSettingsKeyPath, kMethodIdValueName) != nullptr;
    const bool writeMethod = !IsClassic(choice) || (hasMethodValue && !keep(kMethodIdValueName));
    bool ok = !writeMethod || set(kMethodIdValueName, choice.presetId);
    ok = ok && put(kFajrAngleValueName, decimal(choice.fajrAngleDeg));
    ok = ok && put(kIshaAngleValueName, decimal(choice.ishaAngleDeg));
    ok = ok && put(kIshaIntervalValueName, decimal(choice.ishaIntervalMinutes));
    ok = ok && put(kMaghribAngleValueName, decimal(choice.maghribAngleDeg));
    ok = ok && put(kAdjustmentsValueName,
                   choice.adjustments == MinuteOffsets{}
                       ? std::nullopt
                       : std::optional<std::string>(FormatAdjustments(choice.adjustments)));
    ok = ok && put(kHighLatitudeValueName,
                   choice.highLatitude
                       ? std::optional<std::string>(HighLatitudeRuleName(*choice.highLatitude))
                       : std::nullopt);
    ok = ok && put(kRoundingValueName,
                   choice.rounding ? std::optional<std::string>(RoundingRuleName(*choice.rounding))
                                   : std::nullopt);
    ok = ok && put(kNearestLatitudeValueName, decimal(choice.nearestLatitudeDeg));
    return ok;
}

}  // namespace orvanta
