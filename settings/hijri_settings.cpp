#include "settings/hijri_settings.h"

#include <optional>

#include "astro/number_text.h"
#include "settings/registry_text.h"
#include "settings/settings_store.h"
#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

constexpr int kMinOffset = -2;
constexpr int kMaxOffset = 2;

}  // namespace

std::optional<int> ParseHijriOffset(std::string_view text) {
    const std::optional<int> value = ParseNumber<int>(text, NumberSigns::MinusOnly);
    if (!value || *value < kMinOffset || *value > kMaxOffset) {
        return std::nullopt;
    }
    return value;
}

HijriSettings LoadHijriSettings(const SettingsFile& file) {
    return LoadHijriSettings(ReadSettingsSnapshot(file));
}

HijriSettings LoadHijriSettings(const SettingsSnapshot& saved) {
    HijriSettings loaded;
    const std::optional<RegistryDocument>& document = saved.key;
    if (!document) {
        return loaded;
    }
    std::vector<std::string> unreadable;
    loaded.offsetDays =
        ReadSettingsString<int>(*document, kHijriOffsetValueName, ParseHijriOffset, unreadable)
            .value_or(0);
    loaded.unreadable = !unreadable.empty();
    return loaded;
}

bool StoreHijriOffset(RegistryDocument& document, int offsetDays) {
    if (offsetDays < kMinOffset || offsetDays > kMaxOffset) {
        return false;
    }
    return SetRegistryValue(document, kSettingsKeyPath, kHijriOffsetValueName,
                            RegistryStringData(std::to_string(offsetDays)));
}

bool SaveHijriOffset(SettingsFile& file, int offsetDays, NoticeList* notices) {
    return UpdateSettingsDocument(
        file,
        [offsetDays](RegistryDocument& document) { return StoreHijriOffset(document, offsetDays); },
        notices);
}

}  // namespace orvanta
