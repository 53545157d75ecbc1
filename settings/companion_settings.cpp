#include "settings/companion_settings.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "astro/number_text.h"
#include "settings/registry_document.h"
#include "settings/registry_text.h"
#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

constexpr int kMaxCoordinate = 100000;  // logical pixels

std::optional<bool> ParseSwitch(std::string_view text) {
    if (text == "0" || text == "1") {
        return text == "1";
    }
    return std::nullopt;
}

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
    std::vector<int> numbers;
    for (std::size_t start = 0; start <= text.size() && numbers.size() <= 4;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::optional<int> number =
            ParseNumber<int>(text.substr(start, comma - start), NumberSigns::MinusOnly);
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

}  // namespace

CompanionSettings LoadCompanionSettings(const SettingsFile& file) {
    return LoadCompanionSettings(ReadSettingsSnapshot(file));
}

CompanionSettings LoadCompanionSettings(const SettingsSnapshot& saved) {
    CompanionSettings loaded;
    const std::optional<RegistryDocument>& document = saved.key;
    if (!document) {
        return loaded;
    }
    std::vector<std::string>& bad = loaded.unreadable;
    loaded.keepInTray =
        ReadSettingsString<bool>(*document, kKeepInTrayValueName, ParseSwitch, bad).value_or(false);
    loaded.startAtLogin =
        ReadSettingsString<bool>(*document, kStartAtLoginValueName, ParseSwitch, bad)
            .value_or(false);
    loaded.placement = ReadSettingsString<WindowPlacement>(*document, kWindowPlacementValueName,
                                                           ParsePlacement, bad);
    return loaded;
}

bool SaveCompanionSettings(SettingsFile& file, const CompanionSettings& settings,
                           NoticeList* notices) {
    const auto set = [](RegistryDocument& document, std::string_view name,
                        const std::string& text) {
        RegistryData data = RegistryStringData(text);
        const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, name);
        return (stored != nullptr && *stored == data) ||
               SetRegistryValue(document, kSettingsKeyPath, name, std::move(data));
    };
    return UpdateSettingsDocument(
        file,
        [&](RegistryDocument& document) {
            bool ok = true;
            for (const auto& [name, on] :
                 {std::pair{kKeepInTrayValueName, settings.keepInTray},
                  std::pair{kStartAtLoginValueName, settings.startAtLogin}}) {
                const bool unreadable =
                    std::find(settings.unreadable.begin(), settings.unreadable.end(), name) !=
                    settings.unreadable.end();
                // A switch left at its default is only written over a value already there.
                const bool stored = FindRegistryValue(document, kSettingsKeyPath, name) != nullptr;
                if (!unreadable && (on || stored)) {
                    ok = ok && set(document, name, on ? "1" : "0");
                }
            }
            if (settings.placement) {
                ok = ok &&
                     set(document, kWindowPlacementValueName, PlacementText(*settings.placement));
            }
            return ok;
        },
        notices);
}

}  // namespace orvanta
