#include "settings/display_settings.h"

#include <array>
#include <optional>
#include <utility>

#include "settings/registry_text.h"
#include "settings/settings_values.h"
#include "settings/string_values.h"

namespace orvanta {
namespace {

constexpr std::array<std::pair<ClockStyle, std::string_view>, 3> kClockTexts = {{
    {ClockStyle::kLanguage, "language"},
    {ClockStyle::kTwelveHour, "12"},
    {ClockStyle::kTwentyFourHour, "24"},
}};

// The clock style of a stored value: a string of one of the texts above; nothing for anything
// else.
std::optional<ClockStyle> ClockOf(const RegistryData& data) {
    const std::optional<std::string> text = TextOfStringValue(data);
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
    DisplaySettings loaded;
    const SettingsFile::Contents contents = file.Read();
    if (contents.status != SettingsFile::ReadStatus::kRead) {
        return loaded;
    }
    const std::optional<RegistryDocument> document = ParseRegistryText(contents.bytes);
    const RegistryData* data =
        document ? FindRegistryValue(*document, kSettingsKeyPath, kClockValueName) : nullptr;
    if (data == nullptr) {
        return loaded;
    }
    if (const std::optional<ClockStyle> clock = ClockOf(*data)) {
        loaded.clock = *clock;
    } else {
        loaded.unreadable.emplace_back(kClockValueName);
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
    RegistryData data = StringValueOf(ClockText(display.clock));
    const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, kClockValueName);
    return (stored != nullptr && *stored == data) ||  // its text stays as written
           SetRegistryValue(document, kSettingsKeyPath, kClockValueName, std::move(data));
}

bool SaveDisplaySettings(SettingsFile& file, const DisplaySettings& display, NoticeList* notices) {
    return UpdateSettingsFile(
        file,
        [&display](RegistryDocument& document) { return StoreDisplayValues(document, display); },
        notices);
}

std::string UnreadableDisplayValuesWarning(const std::vector<std::string>& unreadable) {
    if (unreadable.empty()) {
        return {};
    }
    std::string text = "ignored the display settings that cannot be read (";
    for (std::size_t i = 0; i < unreadable.size(); ++i) {
        text += (i != 0 ? ", " : "") + unreadable[i];
    }
    return text + "); they stay in the settings file as they are";
}

}  // namespace orvanta
