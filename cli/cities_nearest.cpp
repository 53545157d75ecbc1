#include "cli/cities_nearest.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "cities/city_nearest.h"
#include "cli/error_line.h"
#include "cli/text_columns.h"
#include "common/visible_text.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 16> kPoints{"N",  "NNE", "NE", "ENE", "E",  "ESE",
                                                   "SE", "SSE", "S",  "SSW", "SW", "WSW",
                                                   "W",  "WNW", "NW", "NNW"};

// Signed degrees of a coordinate code (|code| = degrees * 100 + minutes).
double DegreesOf(std::int64_t code) {
    const std::int64_t magnitude = code < 0 ? -code : code;
    const double degrees =
        static_cast<double>(magnitude / 100) + static_cast<double>(magnitude % 100) / 60.0;
    return code < 0 ? -degrees : degrees;
}

std::string Fixed(double value, int decimals) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

void WriteTable(std::ostream& out, const std::vector<NearbyCity>& rows) {
    std::vector<std::array<std::string, 6>> cells;
    cells.push_back({"City", "Country", "Region", "Distance", "Direction", "Zone"});
    for (const NearbyCity& row : rows) {
        cells.push_back(
            {VisibleText(row.city.name), VisibleText(row.city.country),
             VisibleText(row.city.region), Fixed(row.distanceKm, 1) + " km",
             Fixed(row.bearingDeg, 0) + "\u00B0 " + std::string(CompassPoint(row.bearingDeg)),
             VisibleText(row.city.zoneName)});
    }
    WriteColumns(out, cells);
}

void WriteJson(std::ostream& out, const CitiesRequest& request,
               const std::vector<NearbyCity>& rows) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const NearbyCity& row : rows) {
        list.push_back({{"name", VisibleText(row.city.name)},
                        {"country", VisibleText(row.city.country)},
                        {"region", VisibleText(row.city.region)},
                        {"latitude", DegreesOf(row.city.latitudeCode)},
                        {"longitude", DegreesOf(row.city.longitudeCode)},
                        {"zone", VisibleText(row.city.zoneName)},
                        {"population", row.city.population},
                        {"distanceKm", std::round(row.distanceKm * 10.0) / 10.0},
                        {"bearing", std::round(row.bearingDeg * 10.0) / 10.0},
                        {"compass", CompassPoint(row.bearingDeg)}});
    }
    const nlohmann::ordered_json document = {{"latitude", request.latitudeDeg},
                                             {"longitude", request.longitudeDeg},
                                             {"cities", std::move(list)}};
    out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace

std::string_view CompassPoint(double bearingDeg) {
    const double wrapped = std::fmod(std::fmod(bearingDeg, 360.0) + 360.0, 360.0);
    const auto index = static_cast<std::size_t>(std::floor(wrapped / 22.5 + 0.5)) % kPoints.size();
    return kPoints[index];
}

int WriteNearestCities(const CitiesRequest& request, std::ostream& out, std::ostream& err,
                       const TimesServices& services) {
    const NearestCitiesResult found = FindNearestCities(
        services.cityDatabasePath, request.latitudeDeg, request.longitudeDeg, request.limit);
    if (!found.readable) {
        WriteErrorLine(err, "the city database " + services.cityDatabaseDescription +
                                " is missing or cannot be read");
        return 1;
    }
    if (request.json) {
        WriteJson(out, request, found.rows);
    } else {
        WriteTable(out, found.rows);
    }
    return 0;
}

}  // namespace orvanta
