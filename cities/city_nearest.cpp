#include "cities/city_nearest.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "cities/city_database_check.h"
#include "cities/city_name.h"
#include "cities/great_circle.h"
#include "cities/sqlite_db.h"

namespace orvanta {
namespace {

// ?1 .. ?2: latitude codes; ?3 .. ?4 and ?5 .. ?6: longitude codes (the second range empty
// unless the window crosses the date line). Both columns are in cities_by_position, which holds
// every column read, so a band costs no reads of the table itself.
constexpr std::string_view kBandSql =
    "SELECT city_id, latitude, longitude, population FROM cities"
    " WHERE latitude BETWEEN ?1 AND ?2"
    " AND (longitude BETWEEN ?3 AND ?4 OR longitude BETWEEN ?5 AND ?6)";

// The same rows for a narrow band: every latitude code of it is sought on its own, and within
// it only the window's longitudes are read, where kBandSql reads the band's latitudes around
// the whole earth (1915 index entries near Paris for the 519 in the window).
constexpr std::string_view kNarrowBandSql =
    "WITH RECURSIVE band(code) AS (SELECT ?1 UNION ALL SELECT code + 1 FROM band WHERE code < ?2)"
    " SELECT c.city_id, c.latitude, c.longitude, c.population FROM band CROSS JOIN cities AS c"
    " WHERE c.latitude = band.code"
    " AND (c.longitude BETWEEN ?3 AND ?4 OR c.longitude BETWEEN ?5 AND ?6)";

// Codes of latitude (100 a degree) up to which a band is narrow: the first two bands. A wider
// band seeks thousands of codes, most of them empty, and reads faster as one range.
constexpr std::int64_t kMaxNarrowBandCodes = 200;

// The rest of a city kept.
constexpr std::string_view kCitySql =
    "SELECT c.name, c.country, c.region, z.iana_name"
    " FROM cities AS c LEFT JOIN zones AS z ON z.zone_index = c.zone_index"
    " WHERE c.city_id = ?1";

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kKmPerDegree = kEarthRadiusKm / kDegreesPerRadian;  // along a meridian
constexpr double kFirstBandDeg = 0.2;  // about 22 km each way: more than kTownReachKm
constexpr std::size_t kMaxLimit = 1000;

// A coordinate code (|code| = degrees * 100 + minutes, negative south or west) as degrees.
double DegreesOfCode(std::int64_t code) {
    const std::int64_t magnitude = code < 0 ? -code : code;
    const double degrees =
        static_cast<double>(magnitude / 100) + static_cast<double>(magnitude % 100) / 60.0;
    return code < 0 ? -degrees : degrees;
}

// The code of a whole number of minutes of arc (negative south or west). Codes grow with the
// angle they stand for, so bounds in minutes become bounds in codes.
std::int64_t CodeOfMinutes(std::int64_t minutes) {
    const std::int64_t magnitude = minutes < 0 ? -minutes : minutes;
    const std::int64_t code = magnitude / 60 * 100 + magnitude % 60;
    return minutes < 0 ? -code : code;
}

std::int64_t LowCode(double degrees) {
    return CodeOfMinutes(static_cast<std::int64_t>(std::floor(degrees * 60.0)));
}
std::int64_t HighCode(double degrees) {
    return CodeOfMinutes(static_cast<std::int64_t>(std::ceil(degrees * 60.0)));
}

// Longitude in (-180, 180].
double WrapLongitude(double degrees) {
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped <= -180.0) {
        wrapped += 360.0;
    } else if (wrapped > 180.0) {
        wrapped -= 360.0;
    }
    return wrapped;
}

struct Window {
    std::int64_t latLow, latHigh, lonLow1, lonHigh1, lonLow2, lonHigh2;
};

// The codes that hold every city within bandDeg of arc of the point. The longitudes such a
// city can have differ from the point's by at most asin(sin(band) / cos(latitude)), unless the
// band reaches a pole.
Window WindowOf(double latitudeDeg, double longitudeDeg, double bandDeg) {
    Window window{LowCode(std::max(latitudeDeg - bandDeg, -90.0)),
                  HighCode(std::min(latitudeDeg + bandDeg, 90.0)),
                  -18000,
                  18000,
                  1,
                  0};
    const double ratio =
        std::sin(bandDeg / kDegreesPerRadian) / std::cos(latitudeDeg / kDegreesPerRadian);
    if (std::abs(latitudeDeg) + bandDeg >= 89.9 || ratio >= 1.0) {
        return window;
    }
    const double half = std::asin(ratio) * kDegreesPerRadian + 0.02;  // margin for rounding
    const double low = longitudeDeg - half;
    const double high = longitudeDeg + half;
    if (low < -180.0) {
        window = {window.latLow, window.latHigh, LowCode(low + 360.0),
                  18000,         -18000,         HighCode(high)};
    } else if (high > 180.0) {
        window = {window.latLow, window.latHigh, LowCode(low),
                  18000,         -18000,         HighCode(high - 360.0)};
    } else {
        window.lonLow1 = LowCode(low);
        window.lonHigh1 = HighCode(high);
    }
    return window;
}

// A city of a band: what the ordering needs, without the texts, so that the thousand cities of
// a wide band take little memory (the texts are read for the rows kept only).
struct BandRow {
    std::int64_t cityId = 0;
    std::int64_t latitudeCode = 0;   // as in CityListing
    std::int64_t longitudeCode = 0;  // as in CityListing
    std::int64_t population = 0;
    double distanceKm = 0.0;  // as in NearbyCity
    double bearingDeg = 0.0;  // as in NearbyCity
};

// The cities inside the window with their distance and bearing; false when the query fails.
bool ReadBand(const SqliteDb& db, const Window& window, double latitudeDeg, double longitudeDeg,
              std::vector<BandRow>& rows) {
    const bool narrow = window.latHigh - window.latLow <= kMaxNarrowBandCodes &&
                        window.lonHigh1 - window.lonLow1 < 36000;
    std::optional<SqliteStatement> statement =
        SqliteStatement::Prepare(db, narrow ? kNarrowBandSql : kBandSql);
    const std::int64_t values[] = {window.latLow,   window.latHigh, window.lonLow1,
                                   window.lonHigh1, window.lonLow2, window.lonHigh2};
    if (!statement) {
        return false;
    }
    for (int i = 0; i < 6; ++i) {
        if (!statement->BindInt64(i + 1, values[i])) {
            return false;
        }
    }
    rows.clear();
    for (;;) {
        const SqliteStatement::StepResult step = statement->Step();
        if (step != SqliteStatement::StepResult::kRow) {
            return step == SqliteStatement::StepResult::kDone;
        }
        BandRow row;
        row.cityId = statement->ColumnInt64(0).value_or(0);
        row.latitudeCode = statement->ColumnInt64(1).value_or(0);
        row.longitudeCode = statement->ColumnInt64(2).value_or(0);
        row.population = statement->ColumnInt64(3).value_or(0);
        const double lat = DegreesOfCode(row.latitudeCode);
        const double lon = DegreesOfCode(row.longitudeCode);
        row.distanceKm = GreatCircleKm(latitudeDeg, longitudeDeg, lat, lon);
        row.bearingDeg = InitialBearingDeg(latitudeDeg, longitudeDeg, lat, lon);
        rows.push_back(row);
    }
}

// The whole row of a band's city, with its name, country, region and zone read with kCitySql;
// nothing when the query fails, the city is gone or its name is damaged (it could never be
// looked up).
std::optional<NearbyCity> ReadDetails(SqliteStatement& statement, const BandRow& band) {
    statement.Reset();
    if (!statement.BindInt64(1, band.cityId) ||
        statement.Step() != SqliteStatement::StepResult::kRow) {
        return std::nullopt;
    }
    NearbyCity row;
    row.cityId = band.cityId;
    row.city.latitudeCode = band.latitudeCode;
    row.city.longitudeCode = band.longitudeCode;
    row.city.population = band.population;
    row.distanceKm = band.distanceKm;
    row.bearingDeg = band.bearingDeg;
    row.city.name = statement.ColumnText(0).value_or("");
    row.city.country = statement.ColumnText(1).value_or("");
    row.city.region = statement.ColumnText(2).value_or("");
    row.city.zoneName = statement.ColumnText(3).value_or("");
    if (!IsUsableCityName(row.city.name)) {
        return std::nullopt;
    }
    return row;
}

bool IsTownInReach(const BandRow& row) {
    return row.population >= kTownPopulation && row.distanceKm <= kTownReachKm;
}

}  // namespace

NearestCitiesResult FindNearestCities(const std::filesystem::path& cityDatabase, double latitudeDeg,
                                      double longitudeDeg, std::size_t limit) {
    NearestCitiesResult result;
    const std::optional<SqliteDb> db =
        SqliteDb::Open(cityDatabase, SqliteOpenMode::kReadOnlyImmutable);
    if (!db || !IsReadableCityDatabase(*db, cityDatabase)) {
        result.readable = false;
        return result;
    }
    limit = std::min(limit, kMaxLimit);
    if (limit == 0) {
        return result;
    }
    latitudeDeg = std::clamp(latitudeDeg, -90.0, 90.0);
    longitudeDeg = WrapLongitude(longitudeDeg);
    std::vector<BandRow> rows;
    for (double bandDeg = kFirstBandDeg;; bandDeg *= 4.0) {
        const bool whole = bandDeg >= 180.0;
        if (!ReadBand(*db, WindowOf(latitudeDeg, longitudeDeg, whole ? 180.0 : bandDeg),
                      latitudeDeg, longitudeDeg, rows)) {
            result.readable = false;
            return result;
        }
        if (!whole) {
            // Only the cities within the band's half-width are sure to be the nearest.
            const double reachKm = bandDeg * kKmPerDegree;
            std::erase_if(rows, [reachKm](const BandRow& row) { return row.distanceKm > reachKm; });
        }
        if (whole || rows.size() >= limit) {
            break;
        }
    }
    std::sort(rows.begin(), rows.end(), [](const BandRow& a, const BandRow& b) {
        const bool townA = IsTownInReach(a);
        const bool townB = IsTownInReach(b);
        if (townA != townB) {
            return townA;
        }
        return a.distanceKm != b.distanceKm ? a.distanceKm < b.distanceKm : a.cityId < b.cityId;
    });
    std::optional<SqliteStatement> details = SqliteStatement::Prepare(*db, kCitySql);
    for (const BandRow& band : rows) {
        if (result.rows.size() == limit || !details) {
            break;
        }
        if (std::optional<NearbyCity> row = ReadDetails(*details, band)) {
            result.rows.push_back(std::move(*row));
        }
    }
    return result;
}

}  // namespace orvanta
