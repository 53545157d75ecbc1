#include "settings/display_settings.h"

#include <array>
#include <optional>
#include <utility>

#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

constexpr std::array<std::pair<ClockStyle, std::string_view>, 3> kClockTexts = {{
    {ClockStyle::kLanguage, "language"},
    {ClockStyle::kTwelveHour, "12"},
    {ClockStyle::kTwentyFourHour, "24"},
}};

std::optional<ClockStyle> ParseClock(const std::string& text) {
    for (const auto& [style, name] : kClockTexts) {
        if (text == name) {
            return style;
        }
    }
    return std::nullopt;
}

std::string_view ClockText(ClockStyle style) {
    for (const auto& [s, name] : kClockTexts) {
        if (s == style) {
            return name;
        }
    }
    return kClockTexts[0].second;
}

}  // namespace

DisplaySettings LoadDisplaySettings(const SettingsFile& file) {
    return LoadDisplaySettings(ReadSettingsSnapshot(file));
}

DisplaySettings LoadDisplaySettings(const SettingsSnapshot& saved) {
    DisplaySettings loaded;
    if (const std::optional<RegistryDocument>& document = saved.key) {
        loaded.clock = ReadSettingsString<ClockStyle>(*document, kClockValueName, ParseClock,
                                                      loaded.unreadable)
                           .value_or(ClockStyle::kLanguage);
    }
    return loaded;
}

bool StoreDisplayValues(RegistryDocument& document, const DisplaySettings& display) {
    if (display.clock == ClockStyle::kLanguage) {
        // Missing means the language's clock; a value that could not be read stays.
        if (display.unreadable.empty()) {
            RemoveSettingsValue(document, kClockValueName);
        }
        return true;
    }
    RegistryData data = RegistryStringData(ClockText(display.clock));
    const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, kClockValueName);
    return (stored != nullptr && *stored == data) ||  // its text stays as written
           SetRegistryValue(document, kSettingsKeyPath, kClockValueName, std::move(data));
}

bool SaveDisplaySettings(SettingsFile& file, const DisplaySettings& display, NoticeList* notices) {
    return UpdateSettingsDocument(
        file,
        [&display](RegistryDocument& document) { return StoreDisplayValues(document, display); },
        notices);
}

}  // namespace orvanta
