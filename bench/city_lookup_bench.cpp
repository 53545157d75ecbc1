// One city lookup end to end (open the database, fold the name, find, decode, zone, close)
// on a database of 100,000 cities.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cities/sqlite_city_store.h"
#include "cities/sqlite_db.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

constexpr int kCities = 100000;
constexpr int kZones = 400;

std::string Schema() {
    std::ifstream in(ORVANTA_SCHEMA_SQL);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Builds the database once, in a temporary folder removed at exit.
class BenchDatabase {
  public:
    BenchDatabase() {
        std::string pattern = (fs::temp_directory_path() / "orvanta-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        folder_ = pattern;
        const fs::path path = folder_ / "cities.db";
        std::optional<SqliteDb> db = SqliteDb::Open(path, SqliteOpenMode::kReadWriteCreate);
        if (!db || !db->Exec(Schema()) || !db->Exec("BEGIN")) {
            return;
        }
        std::optional<SqliteStatement> zone =
            SqliteStatement::Prepare(*db, "INSERT INTO zones VALUES (?1, ?2, ?3, ?4)");
        for (int i = 0; i < kZones; ++i) {
            if (!zone->BindInt64(1, i) || !zone->BindText(2, "Zone/Z" + std::to_string(i)) ||
                !zone->BindInt64(3, (i % 57) * 15 - 420) || !zone->BindInt64(4, i % 2)) {
                return;
            }
            zone->Step();
            zone->Reset();
        }
        // Upper case, and the accented letters of Latin-1, fold to plain lower case.
        std::optional<SqliteStatement> fold =
            SqliteStatement::Prepare(*db, "INSERT INTO fold_map VALUES (?1, ?2)");
        for (int c = 'A'; c <= 'Z'; ++c) {
            if (!fold->BindInt64(1, c) || !fold->BindText(2, std::string(1, char(c + 32)))) {
                return;
            }
            fold->Step();
            fold->Reset();
        }
        for (int c = 0xC0; c <= 0xFF; ++c) {
            const bool isE = (c >= 0xC8 && c <= 0xCB) || (c >= 0xE8 && c <= 0xEB);
            if (!fold->BindInt64(1, c) || !fold->BindText(2, isE ? "e" : "a")) {
                return;
            }
            fold->Step();
            fold->Reset();
        }
        std::optional<SqliteStatement> city = SqliteStatement::Prepare(
            *db,
            "INSERT INTO cities VALUES (?1, ?2, ?3, 'Country', 'CC', 'Region', ?4, ?5, ?6, ?7)");
        std::optional<SqliteStatement> alias =
            SqliteStatement::Prepare(*db, "INSERT INTO aliases VALUES (?1, ?2)");
        for (int i = 1; i <= kCities; ++i) {
            const std::string number = std::to_string(i);
            const bool ok =
                city->BindInt64(1, i) && city->BindText(2, "Town " + number + ", Region") &&
                city->BindText(3, "town " + number + ", region") &&
                city->BindInt64(4, (i % 2 == 0 ? 1 : -1) * ((i % 90) * 100 + i % 60)) &&
                city->BindInt64(5, (i % 3 == 0 ? 1 : -1) * ((i % 180) * 100 + (i / 7) % 60)) &&
                city->BindInt64(6, i % kZones) && city->BindInt64(7, (i * 7919) % 1000003);
            if (!ok) {
                return;
            }
            city->Step();
            city->Reset();
            if (i % 5 == 0) {
                if (!alias->BindText(1, "old town " + number) || !alias->BindInt64(2, i)) {
                    return;
                }
                alias->Step();
                alias->Reset();
            }
        }
        zone.reset();
        fold.reset();
        city.reset();
        alias.reset();
        if (db->Exec("COMMIT; ANALYZE;")) {
            path_ = path;
        }
    }
    ~BenchDatabase() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path folder_;
    fs::path path_;
};

const BenchDatabase& Database() {
    static const BenchDatabase database;
    return database;
}

void LookUpOnce(benchmark::State& state, const char* name) {
    if (Database().Path().empty()) {
        state.SkipWithError("could not build the benchmark database");
        return;
    }
    const SqliteCityStore store(Database().Path());
    for (auto _ : state) {
        CityLocation city;
        city.name = name;
        const bool found = store.LookUp(city) == CityLookupStatus::kFound;
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(city.latitudeRad);
        if (!found) {
            state.SkipWithError("city not found");
            return;
        }
    }
}

void BM_LookUpCityByDisplayName(benchmark::State& state) {
    LookUpOnce(state, "TOWN 54321, R\xC3\x89GION");
}
BENCHMARK(BM_LookUpCityByDisplayName);

void BM_LookUpCityByAlias(benchmark::State& state) {
    LookUpOnce(state, "Old Town 54320");
}
BENCHMARK(BM_LookUpCityByAlias);

}  // namespace
}  // namespace orvanta
