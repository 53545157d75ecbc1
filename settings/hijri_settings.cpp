#include "settings/hijri_settings.h"

#include <optional>

#include "astro/number_text.h"
#include "settings/settings_fields.h"

namespace orvanta {
namespace {

constexpr int kMinOffset = -2;
constexpr int kMaxOffset = 2;

}  // namespace

std::optional<int> ParseHijriOffset(std::string_view text) {
    const std::optional<int> value = ParseNumber<int>(text, NumberSigns::kMinusOnly);
    if (!value || *value < kMinOffset || *value > kMaxOffset) {
        return std::nullopt;
    }
    return value;
}

namespace {

// The offset is written whatever it is: it is only saved when the person changed it.
constexpr SettingsField<HijriSettings> kFields[] = {
    {kHijriOffsetValueName,
     [](const std::string& t, HijriSettings& h) {
         const std::optional<int> days = ParseHijriOffset(t);
         h.offsetDays = days.value_or(h.offsetDays);
         return days.has_value();
     },
     [](const HijriSettings& h) { return std::to_string(h.offsetDays); },
     [](const HijriSettings&) { return false; }},
};

}  // namespace

HijriSettings LoadHijriSettings(const SettingsFile& file) {
    return LoadHijriSettings(ReadSettingsSnapshot(file));
}

HijriSettings LoadHijriSettings(const SettingsSnapshot& saved) {
    HijriSettings loaded;
    if (saved.key) {
        std::vector<std::string> unreadable;
        ReadSettingsFields<HijriSettings>(*saved.key, kFields, loaded, unreadable);
        loaded.unreadable = !unreadable.empty();
    }
    return loaded;
}

bool StoreHijriOffset(RegistryDocument& document, int offsetDays) {
    if (offsetDays < kMinOffset || offsetDays > kMaxOffset) {
        return false;
    }
    return StoreSettingsFields<HijriSettings>(document, kFields, {.offsetDays = offsetDays}, {});
}

bool SaveHijriOffset(SettingsFile& file, int offsetDays, NoticeList* notices) {
    return UpdateSettingsDocument(
        file,
        [offsetDays](RegistryDocument& document) { return StoreHijriOffset(document, offsetDays); },
        notices);
}

}  // namespace orvanta
