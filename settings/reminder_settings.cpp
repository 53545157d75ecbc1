#include "settings/reminder_settings.h"

#include <algorithm>
#include <optional>

#include "astro/number_text.h"
#include "settings/registry_text.h"
#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

std::optional<int> WholeNumberIn(std::string_view text, int low, int high) {
    const std::optional<int> value = ParseNumber<int>(text, NumberSigns::MinusOnly);
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

std::optional<bool> ParseOnOff(std::string_view text) {
    if (text == "on" || text == "off") {
        return text == "on";
    }
    return std::nullopt;
}

// Writes each value that differs from its default, removes the others unless left alone.
bool StoreReminderValues(RegistryDocument& document, const ReminderSettings& settings) {
    const ReminderChoice defaults;
    const ReminderChoice& choice = settings.choice;
    const auto put = [&](std::string_view name, bool isDefault, const std::string& text) {
        if (!isDefault) {
            RegistryData data = RegistryStringData(text);
            const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, name);
            return (stored != nullptr && *stored == data) ||
                   SetRegistryValue(document, kSettingsKeyPath, name, std::move(data));
        }
        const auto& bad = settings.unreadable;
        if (std::find(bad.begin(), bad.end(), name) == bad.end()) {
            RemoveSettingsValue(document, name);
        }
        return true;
    };
    return put(kReminderPrayersValueName, choice.atPrayer == defaults.atPrayer,
               FormatPrayers(choice.atPrayer)) &&
           put(kReminderEarlyValueName, choice.minutesBefore == defaults.minutesBefore,
               std::to_string(choice.minutesBefore)) &&
           put(kReminderSoundValueName, choice.sound == defaults.sound,
               choice.sound ? "on" : "off") &&
           put(kReminderSoundFileValueName, choice.soundFile == defaults.soundFile,
               choice.soundFile) &&
           put(kReminderVolumeValueName, choice.volumePercent == defaults.volumePercent,
               std::to_string(choice.volumePercent));
}

}  // namespace

ReminderSettings LoadReminderSettings(const SettingsFile& file) {
    return LoadReminderSettings(ReadSettingsSnapshot(file));
}

ReminderSettings LoadReminderSettings(const SettingsSnapshot& saved) {
    ReminderSettings loaded;
    const std::optional<RegistryDocument>& document = saved.key;
    if (!document) {
        return loaded;
    }
    ReminderChoice& c = loaded.choice;
    std::vector<std::string>& bad = loaded.unreadable;
    const auto minutes = [](const std::string& t) {
        return WholeNumberIn(t, 0, kMaxMinutesBefore);
    };
    const auto percent = [](const std::string& t) { return WholeNumberIn(t, 0, 100); };
    const auto anyText = [](const std::string& t) { return std::optional<std::string>(t); };
    c.atPrayer = ReadSettingsString<std::array<bool, kPrayerCount>>(
                     *document, kReminderPrayersValueName, ParsePrayers, bad)
                     .value_or(c.atPrayer);
    c.minutesBefore = ReadSettingsString<int>(*document, kReminderEarlyValueName, minutes, bad)
                          .value_or(c.minutesBefore);
    c.sound = ReadSettingsString<bool>(*document, kReminderSoundValueName, ParseOnOff, bad)
                  .value_or(c.sound);
    c.soundFile =
        ReadSettingsString<std::string>(*document, kReminderSoundFileValueName, anyText, bad)
            .value_or(c.soundFile);
    c.volumePercent = ReadSettingsString<int>(*document, kReminderVolumeValueName, percent, bad)
                          .value_or(c.volumePercent);
    return loaded;
}

bool SaveReminderSettings(SettingsFile& file, const ReminderSettings& settings,
                          NoticeList* notices) {
    return UpdateSettingsDocument(
        file,
        [&settings](RegistryDocument& document) { return StoreReminderValues(document, settings); },
        notices);
}

}  // namespace orvanta
