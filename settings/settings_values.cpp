#include "settings/settings_values.h"

#include <array>
#include <cmath>

#include "common/utf16.h"

namespace orvanta {

std::optional<std::uint32_t> NumberFromValueBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kNumberValueBytes) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kNumberValueBytes> buffer{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        buffer[i] = bytes[i];
    }
    return static_cast<std::uint32_t>(buffer[0]) | (static_cast<std::uint32_t>(buffer[1]) << 8) |
           (static_cast<std::uint32_t>(buffer[2]) << 16) |
           (static_cast<std::uint32_t>(buffer[3]) << 24);
}

std::vector<std::uint8_t> ValueBytesOfNumber(std::uint32_t number) {
    return {static_cast<std::uint8_t>(number & 0xFF),
            static_cast<std::uint8_t>((number >> 8) & 0xFF),
            static_cast<std::uint8_t>((number >> 16) & 0xFF),
            static_cast<std::uint8_t>((number >> 24) & 0xFF)};
}

std::uint32_t StoredMethod(TwilightMethod method) {
    return static_cast<std::uint32_t>(method);
}

TwilightMethod MethodFromStored(std::uint32_t stored) {
    return (stored & 0xFFFFu) == 0 ? TwilightMethod::kDepressionAngle : TwilightMethod::kInterval;
}

std::uint32_t StoredWholeNumber(double value) {
    constexpr double kLargest = 4294967295.0;
    if (std::isnan(value) || value <= 0.0) {
        return 0;
    }
    if (value >= kLargest) {
        return 4294967295u;
    }
    return static_cast<std::uint32_t>(value);  // in range: truncates toward zero
}

double WholeNumberFromStored(std::uint32_t stored) {
    return static_cast<double>(stored);
}

std::uint32_t StoredFiqh(Fiqh fiqh) {
    return static_cast<std::uint32_t>(fiqh);
}

Fiqh FiqhFromStored(std::uint32_t stored) {
    return stored == 0 ? Fiqh::kShafi : Fiqh::kHanafi;
}

double AsrShadowFactorForFiqh(Fiqh fiqh) {
    return fiqh == Fiqh::kShafi ? 1.0 : 2.0;
}

std::optional<std::vector<std::uint8_t>> CityValueBytes(std::string_view utf8) {
    const std::optional<std::u16string> units = Utf8ToUtf16(utf8);
    if (!units || units->size() > kMaxConfiguredCityUnits) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(kCityValueBytes, 0);
    for (std::size_t i = 0; i < units->size(); ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>((*units)[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>((*units)[i] >> 8);
    }
    return bytes;
}

std::optional<std::string> CityFromValueBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kCityValueBytes) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kCityValueBytes> buffer{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        buffer[i] = bytes[i];
    }
    std::u16string units;
    for (std::size_t i = 0; i < kCityValueBytes / 2; ++i) {
        const auto unit = static_cast<char16_t>(buffer[2 * i] | (buffer[2 * i + 1] << 8));
        if (unit == 0) {
            break;
        }
        units.push_back(unit);
    }
    if (units.size() > kMaxConfiguredCityUnits) {
        units.resize(kMaxConfiguredCityUnits);
        const char16_t last = units.back();
        if (last >= 0xD800 && last <= 0xDBFF) {
            units.pop_back();
        }
    }
    return Utf16ToUtf8Lossy(units);
}

}  // namespace orvanta
