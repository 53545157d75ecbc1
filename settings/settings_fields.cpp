#include "settings/settings_fields.h"

#include <algorithm>

namespace orvanta {

std::string SettingsSwitchText(bool on) {
    return on ? "1" : "0";
}

std::optional<bool> ParseSettingsSwitch(std::string_view text) {
    if (text == "1" || text == "on") {
        return true;
    }
    if (text == "0" || text == "off") {
        return false;
    }
    return std::nullopt;
}

std::optional<std::string> SettingsStringText(const RegistryData& data) {
    return data.bytes.size() <= kMaxStringValueBytes ? RegistryStringText(data) : std::nullopt;
}

bool HasRegistryName(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [name](const std::string& n) { return SameRegistryName(n, name); });
}

}  // namespace orvanta
