#include "settings/reminder_settings.h"

#include <algorithm>
#include <optional>

#include "astro/number_text.h"
#include "settings/settings_fields.h"

namespace orvanta {
namespace {

std::optional<int> WholeNumberIn(std::string_view text, int low, int high) {
    const std::optional<int> value = ParseNumber<int>(text, NumberSigns::kMinusOnly);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::array<bool, kPrayerCount>> ParsePrayers(std::string_view text) {
    std::array<bool, kPrayerCount> on{};
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view id = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (id.empty()) {
            continue;  // an empty item, as in "fajr," or ",fajr": nothing to remind of
        }
        const auto* found = std::find(kPrayerKeys.begin(), kPrayerKeys.end(), id);
        const auto slot = static_cast<std::size_t>(found - kPrayerKeys.begin());
        if (found == kPrayerKeys.end() || on[slot]) {
            return std::nullopt;
        }
        on[slot] = true;
    }
    return on;
}

std::string FormatPrayers(const std::array<bool, kPrayerCount>& on) {
    std::string text;
    for (std::size_t s = 0; s < on.size(); ++s) {
        if (!on[s]) {
            continue;
        }
        if (!text.empty()) {
            text += ',';
        }
        text += kPrayerKeys[s];
    }
    return text;
}

// A field of a whole-number member in low .. high.
template <int ReminderChoice::*Member, int Low, int High>
constexpr SettingsField<ReminderChoice> WholeNumberField(std::string_view name) {
    return {name,
            [](const std::string& text, ReminderChoice& c) {
                const std::optional<int> value = WholeNumberIn(text, Low, High);
                c.*Member = value.value_or(c.*Member);
                return value.has_value();
            },
            [](const ReminderChoice& c) { return std::to_string(c.*Member); },
            [](const ReminderChoice& c) { return c.*Member == ReminderChoice{}.*Member; }};
}

constexpr SettingsField<ReminderChoice> kFields[] = {
    {kReminderPrayersValueName,
     [](const std::string& text, ReminderChoice& c) {
         const auto on = ParsePrayers(text);
         c.atPrayer = on.value_or(c.atPrayer);
         return on.has_value();
     },
     [](const ReminderChoice& c) { return FormatPrayers(c.atPrayer); },
     [](const ReminderChoice& c) { return c.atPrayer == ReminderChoice{}.atPrayer; }},
    WholeNumberField<&ReminderChoice::minutesBefore, 0, kMaxMinutesBefore>(kReminderEarlyValueName),
    WholeNumberField<&ReminderChoice::jumuahMinutesBefore, 0, kMaxJumuahMinutesBefore>(
        kReminderJumuahValueName),
    {kReminderSoundValueName,
     [](const std::string& text, ReminderChoice& c) {
         const std::optional<bool> on = ParseSettingsSwitch(text);
         c.sound = on.value_or(c.sound);
         return on.has_value();
     },
     [](const ReminderChoice& c) { return SettingsSwitchText(c.sound); },
     [](const ReminderChoice& c) { return c.sound == ReminderChoice{}.sound; }},
    {kReminderSoundFileValueName,
     [](const std::string& text, ReminderChoice& c) {
         c.soundFile = text;
         return true;
     },
     [](const ReminderChoice& c) { return c.soundFile; },
     [](const ReminderChoice& c) { return c.soundFile.empty(); }},
    WholeNumberField<&ReminderChoice::volumePercent, 0, 100>(kReminderVolumeValueName),
};

}  // namespace

ReminderSettings LoadReminderSettings(const SettingsFile& file) {
    return LoadReminderSettings(ReadSettingsSnapshot(file));
}

ReminderSettings LoadReminderSettings(const SettingsSnapshot& saved) {
    ReminderSettings loaded;
    if (saved.key) {
        ReadSettingsFields<ReminderChoice>(*saved.key, kFields, loaded.choice, loaded.unreadable);
    }
    return loaded;
}

bool StoreReminderValues(RegistryDocument& document, const ReminderSettings& settings) {
    return StoreSettingsFields<ReminderChoice>(document, kFields, settings.choice,
                                               settings.unreadable);
}

bool SaveReminderSettings(SettingsFile& file, const ReminderSettings& settings,
                          NoticeList* notices) {
    return UpdateSettingsDocument(
        file,
        [&settings](RegistryDocument& document) { return StoreReminderValues(document, settings); },
        notices);
}

}  // namespace orvanta
