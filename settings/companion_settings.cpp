#include "settings/companion_settings.h"

#include <algorithm>
#include <cstdlib>

#include "astro/number_text.h"
#include "settings/registry_document.h"
#include "settings/settings_fields.h"

namespace orvanta {
namespace {

constexpr int kMaxCoordinate = 100000;  // logical pixels

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
    std::vector<int> numbers;
    for (std::size_t start = 0; start <= text.size() && numbers.size() <= 4;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::optional<int> number =
            ParseNumber<int>(text.substr(start, comma - start), NumberSigns::kMinusOnly);
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
        start = comma + 1;
    }
    if (numbers.size() != 4) {
        return std::nullopt;
    }
    const WindowPlacement p{numbers[0], numbers[1], numbers[2], numbers[3]};
    const bool inRange = std::abs(p.x) <= kMaxCoordinate && std::abs(p.y) <= kMaxCoordinate &&
                         p.width >= 1 && p.width <= kMaxCoordinate && p.height >= 1 &&
                         p.height <= kMaxCoordinate;
    return inRange ? std::optional<WindowPlacement>(p) : std::nullopt;
}

std::string PlacementText(const WindowPlacement& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.width) + "," +
           std::to_string(p.height);
}

using Field = SettingsField<CompanionSettings>;
// A switch left at its default (off) is only written over a value already there.
constexpr Field kFields[] = {
    {kKeepInTrayValueName,
     [](const std::string& t, CompanionSettings& c) {
         const std::optional<bool> on = ParseSettingsSwitch(t);
         c.keepInTray = on.value_or(c.keepInTray);
         return on.has_value();
     },
     [](const CompanionSettings& c) { return SettingsSwitchText(c.keepInTray); },
     [](const CompanionSettings& c) { return !c.keepInTray; }, AtDefault::kRewriteStored},
    {kStartAtLoginValueName,
     [](const std::string& t, CompanionSettings& c) {
         const std::optional<bool> on = ParseSettingsSwitch(t);
         c.startAtLogin = on.value_or(c.startAtLogin);
         return on.has_value();
     },
     [](const CompanionSettings& c) { return SettingsSwitchText(c.startAtLogin); },
     [](const CompanionSettings& c) { return !c.startAtLogin; }, AtDefault::kRewriteStored},
    {kWindowPlacementValueName,
     [](const std::string& t, CompanionSettings& c) {
         const std::optional<WindowPlacement> p = ParsePlacement(t);
         c.placement = p ? p : c.placement;
         return p.has_value();
     },
     [](const CompanionSettings& c) { return c.placement ? PlacementText(*c.placement) : ""; },
     [](const CompanionSettings& c) { return !c.placement; }, AtDefault::kLeaveStored},
};

}  // namespace

CompanionSettings LoadCompanionSettings(const SettingsFile& file) {
    return LoadCompanionSettings(ReadSettingsSnapshot(file));
}

CompanionSettings LoadCompanionSettings(const SettingsSnapshot& saved) {
    CompanionSettings loaded;
    if (saved.key) {
        ReadSettingsFields<CompanionSettings>(*saved.key, kFields, loaded, loaded.unreadable);
    }
    return loaded;
}

bool StoreCompanionValues(RegistryDocument& document, const CompanionSettings& settings) {
    return StoreSettingsFields<CompanionSettings>(document, kFields, settings, settings.unreadable);
}

bool SaveCompanionSettings(SettingsFile& file, const CompanionSettings& settings,
                           NoticeList* notices) {
    return UpdateSettingsDocument(
        file, [&](RegistryDocument& document) { return StoreCompanionValues(document, settings); },
        notices);
}

}  // namespace orvanta
