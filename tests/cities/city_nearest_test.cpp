// The nearest cities of the built city database against known places, each checked against a
// scan of every city: a village next to a town, both sides of the date line, the poles, the
// middle of an ocean.
#include "cities/city_nearest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "cities/great_circle.h"
#include "cities/sqlite_db.h"

namespace orvanta {
namespace {

double Degrees(std::int64_t code) {
    const std::int64_t m = std::abs(code);
    const double d = static_cast<double>(m / 100) + static_cast<double>(m % 100) / 60.0;
    return code < 0 ? -d : d;
}

struct Stored {
    double lat, lon;
    std::int64_t population;
};

// Every city of the database, read once.
const std::vector<Stored>& AllCities() {
    static const std::vector<Stored> all = [] {
        std::vector<Stored> cities;
        const auto db = SqliteDb::Open(ORVANTA_CITY_DB_PATH, SqliteOpenMode::kReadOnlyImmutable);
        auto statement =
            SqliteStatement::Prepare(*db, "SELECT latitude, longitude, population FROM cities");
        while (statement->Step() == SqliteStatement::StepResult::kRow) {
            cities.push_back({Degrees(*statement->ColumnInt64(0)),
                              Degrees(*statement->ColumnInt64(1)), *statement->ColumnInt64(2)});
        }
        return cities;
    }();
    return all;
}

// The distances of the first n cities by a scan of every one, in the order offered: towns in
// reach first, then by distance.
std::vector<double> ScannedOrderKm(double lat, double lon, std::size_t n) {
    std::vector<std::pair<bool, double>> keys;
    for (const Stored& city : AllCities()) {
        const double km = GreatCircleKm(lat, lon, city.lat, city.lon);
        keys.emplace_back(!(city.population >= kTownPopulation && km <= kTownReachKm), km);
    }
    std::partial_sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(n), keys.end());
    std::vector<double> order;
    for (std::size_t i = 0; i < n; ++i) {
        order.push_back(keys[i].second);
    }
    return order;
}

// The search's rows against the scan, in order.
void ExpectAsScanned(double lat, double lon, std::size_t n) {
    const NearestCitiesResult found = FindNearestCities(ORVANTA_CITY_DB_PATH, lat, lon, n);
    const std::vector<double> scanned = ScannedOrderKm(lat, lon, n);
    ASSERT_EQ(found.rows.size(), n) << lat << " " << lon;
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_NEAR(found.rows[i].distanceKm, scanned[i], 1e-9) << lat << " " << lon << " #" << i;
    }
}

struct Place {
    const char* what;
    double lat, lon;
    const char* first;        // the city offered first
    double firstKm;           // its distance, to 0.1 km
    double firstBearing;      // degrees, to 1
    const char* listedLater;  // a nearer small place listed after it, or ""
};

// Lydiard Millicent (1,029 people) lies 6.1 km WNW of Swindon (201,669); Labasa (Fiji, 179°23′
// E) is the nearest city to a point just west of the date line; Longyearbyen is the northernmost
// town; McMurdo Station the nearest to the south pole, due north as everything there.
constexpr Place kPlaces[] = {
    {"village next to a town", 51.5667, -1.8667, "Swindon", 6.1, 107.8, "Lydiard Millicent"},
    {"a city itself", 21.4225, 39.8262, "Mecca", 1.4, 31.5, ""},
    {"west of the date line", -16.5, -179.99, "Labasa", 69.0, 276.1, ""},
    {"east of the date line", -16.4, 179.4, "Labasa", 5.1, 223.8, ""},
    {"north pole", 90.0, 0.0, "Longyearbyen", 1310.2, 180, ""},
    {"south pole", -90.0, 0.0, "McMurdo Station", 1351.0, 0, ""},
    {"middle of the Atlantic", 30.0, -40.0, "Lajes das Flores", 1317.0, 35.25, ""},
};

TEST(CityNearest, KnownPlacesAndPointsEverywhereAsAScanFindsThem) {
    for (const Place& place : kPlaces) {
        SCOPED_TRACE(place.what);
        const NearestCitiesResult found =
            FindNearestCities(ORVANTA_CITY_DB_PATH, place.lat, place.lon, 5);
        ASSERT_TRUE(found.readable);
        ASSERT_EQ(found.rows.size(), 5u);
        EXPECT_EQ(found.rows[0].city.name, place.first);
        EXPECT_NEAR(found.rows[0].distanceKm, place.firstKm, 0.05);
        EXPECT_NEAR(found.rows[0].bearingDeg, place.firstBearing, 0.1);
        bool laterSeen = *place.listedLater == '\0';
        for (const NearbyCity& row : found.rows) {
            laterSeen = laterSeen || row.city.name == place.listedLater;
        }
        ExpectAsScanned(place.lat, place.lon, 5);
        EXPECT_TRUE(laterSeen);
    }
    // Points spread over the globe (a fixed sequence), with lists long and short.
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525U + 1013904223U;
        return static_cast<double>(state >> 8) / 16777216.0;  // [0, 1)
    };
    for (int i = 0; i < 40; ++i) {
        const double lat = std::asin(2.0 * next() - 1.0) * 180.0 / M_PI;  // even over the sphere
        ExpectAsScanned(lat, 360.0 * next() - 180.0, i % 2 == 0 ? 5 : 40);
    }
    EXPECT_TRUE(FindNearestCities(ORVANTA_CITY_DB_PATH, 0, 0, 0).rows.empty());
    EXPECT_FALSE(FindNearestCities("/nonexistent/cities.db", 0, 0, 5).readable);
}

// Haversine on 6371.0 km: London to Paris 343.6 km, bearing 148.1 (independent calculators);
// a quarter of the equator; the long way round across the date line is the short way.
TEST(CityNearest, GreatCircleDistanceAndBearing) {
    EXPECT_NEAR(GreatCircleKm(51.5074, -0.1278, 48.8566, 2.3522), 343.6, 0.1);
    EXPECT_NEAR(InitialBearingDeg(51.5074, -0.1278, 48.8566, 2.3522), 148.1, 0.1);
    EXPECT_NEAR(GreatCircleKm(0, 0, 0, 90), 6371.0 * M_PI / 2, 1e-6);
    EXPECT_NEAR(GreatCircleKm(0, 179.5, 0, -179.5), 111.19, 0.01);
    EXPECT_NEAR(InitialBearingDeg(0, 179.5, 0, -179.5), 90.0, 1e-9);
}

}  // namespace
}  // namespace orvanta
