#include "settings/string_values.h"

#include "common/utf16.h"

namespace orvanta {

std::optional<std::string> StringValueText(const RegistryData& data) {
    if (data.type != kRegistryTypeString || data.bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::u16string units = Utf16FromLeBytes(
        std::string_view(reinterpret_cast<const char*>(data.bytes.data()), data.bytes.size()));
    units = units.substr(0, units.find(u'\0'));
    return Utf16ToUtf8(units);
}

RegistryData StringValueData(std::string_view text) {
    const std::string bytes = Utf16ToLeBytes(Utf8ToUtf16Lossy(text) + u'\0');
    return RegistryData{kRegistryTypeString, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

}  // namespace orvanta
