#include "settings/display_settings.h"

#include <array>
#include <optional>

#include "settings/settings_fields.h"

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

constexpr SettingsField<DisplaySettings> kFields[] = {
    {kClockValueName,
     [](const std::string& t, DisplaySettings& d) {
         const std::optional<ClockStyle> clock = ParseClock(t);
         d.clock = clock.value_or(d.clock);
         return clock.has_value();
     },
     [](const DisplaySettings& d) { return std::string(ClockText(d.clock)); },
     [](const DisplaySettings& d) { return d.clock == ClockStyle::kLanguage; }},
    {kNightTimesValueName,
     [](const std::string& t, DisplaySettings& d) {
         const std::optional<bool> on = ParseSettingsSwitch(t);
         d.nightTimes = on.value_or(d.nightTimes);
         return on.has_value();
     },
     [](const DisplaySettings& d) { return SettingsSwitchText(d.nightTimes); },
     [](const DisplaySettings& d) { return !d.nightTimes; }},
};

}  // namespace

DisplaySettings LoadDisplaySettings(const SettingsFile& file) {
    return LoadDisplaySettings(ReadSettingsSnapshot(file));
}

DisplaySettings LoadDisplaySettings(const SettingsSnapshot& saved) {
    DisplaySettings loaded;
    if (saved.key) {
        ReadSettingsFields<DisplaySettings>(*saved.key, kFields, loaded, loaded.unreadable);
    }
    return loaded;
}

bool StoreDisplayValues(RegistryDocument& document, const DisplaySettings& display) {
    return StoreSettingsFields<DisplaySettings>(document, kFields, display, display.unreadable);
}

bool SaveDisplaySettings(SettingsFile& file, const DisplaySettings& display, NoticeList* notices) {
    return UpdateSettingsDocument(
        file,
        [&display](RegistryDocument& document) { return StoreDisplayValues(document, display); },
        notices);
}

}  // namespace orvanta
