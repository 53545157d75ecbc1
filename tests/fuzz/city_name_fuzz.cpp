// Arbitrary bytes as a city name, through the search-key folding and the lookup in a small
// city database (the tests' shared fold table, cities of its own) built once per process. The
// lookup must find exactly the city whose folded name (or alias) equals the folded input, or report
// it not found with the one message and the record untouched; a sound database never counts as
// unavailable.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "cities/city_name.h"
#include "cities/search_key.h"
#include "cities/sqlite_city_store.h"
#include "tests/support/test_city_database.h"

namespace {

namespace fs = std::filesystem;
using orvanta::CityLocation;
using orvanta::CityLookupStatus;

// The cities of the test database, and the city each search key (its own or an alias) denotes.
constexpr const char* kCitiesSql = R"sql(
INSERT INTO zones VALUES (1, 'UTC', 0, 0);
INSERT INTO cities VALUES
    (1, 'Detroit, MI', 'detroit, mi', 'C', 'CC', '', 100, 100, 1, 1),
    (2, 'Mecca', 'mecca', 'C', 'CC', '', 100, 100, 1, 1),
    (3, 'Zürich', 'zurich', 'C', 'CC', '', 100, 100, 1, 1),
    (4, 'San José, Costa Rica', 'san jose, costa rica', 'C', 'CC', '', 100, 100, 1, 1),
    (5, 'San Jose', 'san jose', 'C', 'CC', '', 100, 100, 1, 1),
    (6, 'Straße', 'strasse', 'C', 'CC', '', 100, 100, 1, 1);
INSERT INTO aliases VALUES ('detroit', 1), ('makkah', 2), ('zuerich', 3);
)sql";
const std::map<std::string, std::string> kCityOfKey = {
    {"detroit, mi", "Detroit, MI"},
    {"detroit", "Detroit, MI"},
    {"mecca", "Mecca"},
    {"makkah", "Mecca"},
    {"zurich", "Zürich"},
    {"zuerich", "Zürich"},
    {"san jose", "San Jose"},
    {"san jose, costa rica", "San José, Costa Rica"},
    {"strasse", "Straße"},
};

// Builds the test database once (in a scratch folder removed at exit); aborts when it cannot,
// since every run would be meaningless.
const fs::path& TestDatabase() {
    static const orvanta::testing_support::ScratchFolder folder;
    static const fs::path path = [] {
        const fs::path database = folder.Path() / "cities.db";
        ::setenv("ORVANTA_SOURCE_DIR", ORVANTA_SOURCE_DIR, 0);
        if (!orvanta::testing_support::BuildDatabase(
                database, orvanta::testing_support::TestFoldSql() + kCitiesSql)) {
            std::fprintf(stderr, "city_name_fuzz: cannot build the test database\n");
            std::abort();
        }
        return database;
    }();
    return path;
}

[[noreturn]] void Fail(const std::string& name, const char* what) {
    std::fprintf(stderr, "city_name_fuzz: name of %zu bytes: %s\n", name.size(), what);
    std::abort();
}

// The city the lookup must find for a name, by the same folding rules; nothing when none.
std::optional<std::string> ExpectedCity(const std::string& name) {
    if (!orvanta::IsUsableCityName(name)) {
        return std::nullopt;
    }
    const std::optional<std::u32string> codePoints = orvanta::DecodeUtf8(name);
    if (!codePoints) {
        return std::nullopt;
    }
    const auto fold = [](char32_t c, std::string& out) {
        const auto& folds = orvanta::testing_support::TestFolds();
        const auto found = folds.find(c);
        if (found != folds.end()) {
            out += found->second;
        } else {
            orvanta::AppendUtf8(out, c);
        }
        return true;
    };
    const std::optional<std::string> key = orvanta::MakeSearchKey(*codePoints, fold);
    if (!key) {
        return std::nullopt;
    }
    // The key is trimmed, holds no run of two spaces and is well-formed UTF-8.
    if ((!key->empty() && (key->front() == ' ' || key->back() == ' ')) ||
        key->find("  ") != std::string::npos || !orvanta::DecodeUtf8(*key)) {
        Fail(name, "the search key is not trimmed, keeps a run of spaces or is not UTF-8");
    }
    const auto city = kCityOfKey.find(*key);
    return city != kCityOfKey.end() ? std::optional<std::string>(city->second) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    const orvanta::SqliteCityStore store(TestDatabase());

    CityLocation city;
    city.name = name;
    city.zoneHours = 99.0;  // a marker: an untouched record keeps it
    const CityLookupStatus status = store.LookUp(city);

    const std::optional<std::string> expected = ExpectedCity(name);
    switch (status) {
        case CityLookupStatus::kFound:
            if (!expected || city.name != *expected || city.zoneHours == 99.0 ||
                city.zoneName.empty()) {
                Fail(name, "found a city the name does not denote, or incomplete");
            }
            break;
        case CityLookupStatus::kNotFound:
            if (expected || city.name != name || city.zoneHours != 99.0) {
                Fail(name, "a city of the database not found, or the record changed");
            }
            break;
        case CityLookupStatus::kDatabaseUnavailable:
            Fail(name, "a sound database was reported unavailable");
    }
    return 0;
}
