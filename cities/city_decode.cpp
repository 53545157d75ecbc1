#include "cities/city_decode.h"

#include "astro/angles.h"
#include "cities/city_name.h"

namespace orvanta {

std::optional<CoordinateParts> SplitCoordinateCode(std::int64_t code, std::int64_t maxCode) {
    if (code < -maxCode || code > maxCode) {
        return std::nullopt;
    }
    const std::int64_t magnitude = code < 0 ? -code : code;
    const std::int64_t minutes = magnitude % 100;
    if (minutes > 59) {
        return std::nullopt;
    }
    CoordinateParts parts;
    parts.negative = code < 0 ? 1 : 0;
    parts.degrees = static_cast<std::int16_t>(magnitude / 100);
    parts.minutes = static_cast<std::int16_t>(minutes);
    return parts;
}

bool DecodeLatitude(std::int64_t code, CityLocation& city) {
    const std::optional<CoordinateParts> parts = SplitCoordinateCode(code, kMaxLatitudeCode);
    if (!parts) {
        return false;
    }
    city.isSouth = parts->negative;
    city.latitudeDegrees = parts->degrees;
    city.latitudeMinutes = parts->minutes;
    city.latitudeRad = DegreesToRadians(DegMinToDegrees(parts->degrees, parts->minutes));
    if (city.isSouth == 1) {
        city.latitudeRad = -city.latitudeRad;
    }
    return true;
}

bool DecodeLongitude(std::int64_t code, CityLocation& city) {
    const std::optional<CoordinateParts> parts = SplitCoordinateCode(code, kMaxLongitudeCode);
    if (!parts) {
        return false;
    }
    city.isWest = parts->negative;
    city.longitudeDegrees = parts->degrees;
    city.longitudeMinutes = parts->minutes;
    city.longitudeRad = DegreesToRadians(DegMinToDegrees(parts->degrees, parts->minutes));
    // The database counts east positive; the astronomy counts west positive.
    if (city.isWest == 0) {
        city.longitudeRad = -city.longitudeRad;
    }
    return true;
}

double ZoneHoursFromBias(std::int64_t biasMinutes) {
    return -static_cast<double>(biasMinutes) / 60.0;
}

bool IsPlausibleZoneName(std::string_view name) {
    if (name.empty()) {
        return true;  // no zone name: the fixed daylight-saving window applies
    }
    if (name.size() > 255) {
        return false;
    }
    std::string_view rest = name;
    while (true) {
        const std::size_t slash = rest.find('/');
        const std::string_view component = rest.substr(0, slash);
        if (component.empty() || component == "." || component == "..") {
            return false;  // a leading '/', "//", a trailing '/', or a step out of the folder
        }
        for (const char ch : component) {
            const bool allowed = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                                 (ch >= '0' && ch <= '9') || ch == '_' || ch == '+' || ch == '-' ||
                                 ch == '.';
            if (!allowed) {
                return false;
            }
        }
        if (slash == std::string_view::npos) {
            return true;
        }
        rest.remove_prefix(slash + 1);
    }
}

std::optional<CityLocation> DecodeStoredCity(const StoredCity& city, const StoredZone& zone) {
    if (!city.name || !IsUsableCityName(*city.name) || !city.latitude || !city.longitude ||
        !city.zoneIndex) {
        return std::nullopt;
    }
    if (!zone.ianaName || !IsPlausibleZoneName(*zone.ianaName) || !zone.biasMinutes ||
        !zone.observesDst) {
        return std::nullopt;
    }
    if (*zone.biasMinutes < -kMaxBiasMinutes || *zone.biasMinutes > kMaxBiasMinutes) {
        return std::nullopt;
    }
    CityLocation location;
    if (!DecodeLatitude(*city.latitude, location) || !DecodeLongitude(*city.longitude, location)) {
        return std::nullopt;
    }
    location.name = *city.name;
    location.zoneHours = ZoneHoursFromBias(*zone.biasMinutes);
    location.supportsDst = *zone.observesDst != 0 ? 1 : 0;
    location.zoneName = *zone.ianaName;
    return location;
}

}  // namespace orvanta
