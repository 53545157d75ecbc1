#include "settings/display_settings.h"

#include <array>
#include <optional>
#include <utility>

#include "common/utf16.h"
#include "settings/registry_text.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

constexpr std::array<std::pair<ClockStyle, std::string_view>, 3> kClockTexts = {{
    {ClockStyle::kLanguage, "language"},
    {ClockStyle::kTwelveHour, "12"},
    {ClockStyle::kTwentyFourHour, "24"},
}};

// The clock style of a stored value: a string (UTF-16LE up to its terminator) of one of the
// texts above; nothing for anything else.
std::optional<ClockStyle> ClockOf(const RegistryData& data) {
    if (data.type != kRegistryTypeString || data.bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::u16string units = Utf16FromLeBytes(
        std::string_view(reinterpret_cast<const char*>(data.bytes.data()), data.bytes.size()));
    units = units.substr(0, units.find(u'\0'));
    const std::optional<std::string> text = Utf16ToUtf8(units);
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
    const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, kClockValueName);
    const bool unreadable = !display.unreadable.empty();
    if (display.clock == ClockStyle::kLanguage && (stored == nullptr || unreadable)) {
        return true;  // nothing to say, or a value the user did not replace
    }
    const std::string bytes = Utf16ToLeBytes(Utf8ToUtf16Lossy(ClockText(display.clock)) + u'\0');
    RegistryData data{kRegistryTypeString, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
    if (stored != nullptr && *stored == data) {
        return true;  // its text stays as written
    }
    return SetRegistryValue(document, kSettingsKeyPath, kClockValueName, std::move(data));
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
