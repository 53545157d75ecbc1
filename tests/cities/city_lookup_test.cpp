// Finding a city by name in the shipped database: the lookup of a whole name and the prefix
// search, over the small test database and damaged ones.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "cities/city_database_path.h"
#include "cities/city_finder.h"
#include "cities/city_search.h"
#include "cities/sqlite_city_store.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/test_city_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

using testing_support::BuildDatabase;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using Names = std::vector<std::string>;

// A record as a caller holds it before a lookup: values of an earlier city in every field.
CityLocation EarlierCity(std::string name) {
    return {std::move(name), 1, 12, 0, 0, 56, 0, -0.2, 0.0, 4.0, 0, "Asia/Dubai"};
}

bool Same(const CityLocation& a, const CityLocation& b) {
    const auto fields = [](const CityLocation& c) {
        return std::tie(c.name, c.isSouth, c.latitudeDegrees, c.latitudeMinutes, c.isWest,
                        c.longitudeDegrees, c.longitudeMinutes, c.latitudeRad, c.longitudeRad,
                        c.zoneHours, c.supportsDst, c.zoneName);
    };
    return fields(a) == fields(b);
}

class CityLookupTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing_support::BuildTestCityDatabase(databasePath_))
            << "ORVANTA_SOURCE_DIR must name the source folder holding data/schema.sql";
    }
    CityLookupStatus LookUp(CityLocation& city, const fs::path& path) {
        return SqliteCityStore(path).LookUp(city);
    }
    CityLookupStatus LookUp(CityLocation& city) { return LookUp(city, databasePath_); }

    ScratchFolder folder_;
    fs::path databasePath_ = folder_.Path() / "cities.db";
};

// From a path that would mean options in an SQLite URI, opened as a plain file name.
TEST_F(CityLookupTest, FillsEveryFieldOfTheCityFound) {
    const fs::path odd = folder_.Path() / "odd ?mode=rwc#%41 name.db";
    fs::copy_file(databasePath_, odd);
    CityLocation city = EarlierCity("Sydney");
    ASSERT_EQ(LookUp(city, odd), CityLookupStatus::kFound);
    // 33 deg 52' S 151 deg 13' E, zone bias -600 minutes: 10 hours east.
    const CityLocation expected{
        "Sydney",          1, 33, 52, 0, 151, 13, -0.5910848400087463, -2.6392287172240922, 10.0, 1,
        "Australia/Sydney"};
    EXPECT_TRUE(Same(expected, city));
    EXPECT_FALSE(fs::exists(folder_.Path() / "odd "));
}

// Folding and aliases are checked through the shipped database by the command-line tests; these
// are the zone offsets with minutes, the display name that wins over another city's alias and
// the most populous of the cities that share an alias.
TEST_F(CityLookupTest, FindsByFoldedNameOrAliasAndWritesTheDisplayNameBack) {
    const struct {
        const char* label;
        std::string searched;
        std::string found;  // the display name written back
        double zoneHours;
    } cases[] = {
        {"quote in the name, half-hour west", "st. john's, nl", "St. John's, NL", -3.5},
        {"quarter-hour zone", "Kathmandu", "Kathmandu", 5.75},
        {"half-hour zone by alias", "Mumbai, India", "Mumbai", 5.5},
        {"display name before a smaller city's alias", "San Jose", "San Jose", -8.0},
        {"display name before a bigger city's alias", "Bombay", "Bombay", -8.0},
        {"an alias of two cities: the more populous", "Gotham", "New York, NY", -5.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        CityLocation city = EarlierCity(c.searched);
        ASSERT_EQ(LookUp(city), CityLookupStatus::kFound);
        EXPECT_EQ(city.name, c.found);
        EXPECT_EQ(city.zoneHours, c.zoneHours);
        const CityLocation first = city;  // the name written back finds the same record
        ASSERT_EQ(LookUp(city), CityLookupStatus::kFound);
        EXPECT_TRUE(Same(first, city));
    }
}

// Unknown and hostile names, and rows whose stored values cannot be used: not found, the record
// unchanged, the database unchanged.
TEST_F(CityLookupTest, UnknownNamesAndDamagedRowsAreNotFound) {
    const std::string names[] = {
        "Atlantis",    "Detroit, M", "\"; DROP TABLE cities; --",
        "' OR 1=1 --", "detroit%",
        "Z\xFCrich",  // Latin-1: one unusable name stands for the rules tested in CityName
        "Nolat",       "Farnorth",   "Sixtyminutes",
        "Farwest",     "Nozone",     "Lostzone",
        "Textbias",    "Escapezone", "Textlat",
        "broken"};  // a stored name that is not UTF-8
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        CityLocation city = EarlierCity(name);
        EXPECT_EQ(LookUp(city), CityLookupStatus::kNotFound);
        EXPECT_TRUE(Same(EarlierCity(name), city));
    }
    CityLocation city = EarlierCity("Detroit, MI");
    EXPECT_EQ(LookUp(city), CityLookupStatus::kFound);
}

// A database without the unique index on search keys (built by another tool, or damaged) may
// hold one key twice: the most populous city wins.
TEST_F(CityLookupTest, OneKeyTwiceGivesTheMostPopulous) {
    const fs::path path = folder_.Path() / "odd.db";
    ASSERT_TRUE(
        BuildDatabase(path,
                      "DROP INDEX cities_by_key; INSERT INTO zones VALUES (1, 'UTC', 0, 0),"
                      " (2, 'Africa/Cairo', -120, 1); INSERT INTO cities VALUES"
                      " (3, 'ALEXANDRIA', 'alexandria', 'US', 'US', '', 3848, -7703, 1, 159467),"
                      " (4, 'Alexandria', 'alexandria', 'Egypt', 'EG', '', 3112, 2955, 2, 5200000),"
                      " (5, 'alexandria', 'alexandria', 'RO', 'RO', '', 4359, 2517, 1, 45434);"));
    CityLocation city = EarlierCity("alexandria");  // no fold table: keys as typed
    EXPECT_EQ(LookUp(city, path), CityLookupStatus::kFound);
    EXPECT_EQ(city.name, "Alexandria");
}

// Every damaged, missing or foreign database fails as unavailable: no message, the record and
// the file unchanged, never a wrong city; and the search offers nothing from it.
TEST_F(CityLookupTest, DamagedOrMissingDatabasesFailWithoutAMessage) {
    std::vector<testing_support::DamagedDatabase> files =
        testing_support::MakeDamagedCityDatabases(folder_.Path());
    ASSERT_EQ(files.size(), 10U);
    files.push_back({"missing", folder_.Path() / "missing.db"});
    files.push_back({"a folder", folder_.Path()});
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        const std::string before = ReadBytes(file.path);
        for (const bool immutable : {true, false}) {
            CityLocation city = EarlierCity("Mecca");
            const SqliteCityStore store(file.path, immutable);
            EXPECT_EQ(store.LookUp(city), CityLookupStatus::kDatabaseUnavailable);
            EXPECT_TRUE(Same(EarlierCity("Mecca"), city));
        }
        const CitySearchResult offered = FindCitiesByPrefix(file.path, std::nullopt, "Mec", 10);
        EXPECT_EQ(offered.failure, CitySearchFailure::kCityDatabase);
        EXPECT_TRUE(offered.rows.empty());
        EXPECT_EQ(ReadBytes(file.path), before) << "the lookup changed the file";
    }
}

// Typed text is only ever a value: quotes, % and _ are plain characters. The city the lookup
// gives for the whole text comes first, then the most populous.
TEST_F(CityLookupTest, SearchFindsFoldedPrefixesMostPopulousFirst) {
    const struct {
        std::string typed;
        std::size_t limit;
        Names expected;
    } cases[] = {
        {"n'; DROP TABLE cities; --", 10, {}},
        {"%", 10, {}},
        {"new", 10, {"New York, NY", "Newark, NJ", "New Haven, CT"}},
        {"new ", 10, {"New York, NY", "New Haven, CT"}},  // a trailing space ends the word
        {"new   y", 10, {"New York, NY"}},
        {"S\xc3\xa3o", 10, {"S\xc3\xa3o Paulo"}},
        {"makk", 10, {"Mecca"}},  // an alias finds the city by its display name
        {"mec", 10, {"Mecca"}},   // name and alias both match: the city comes once
        {"big", 10, {"New York, NY"}},
        {"me", 1, {"Mecca"}},
        {"nowhere", 10, {"Nowhere Twin A", "Nowhere Twin B"}},  // equal populations: id order
        {"medina", 10, {"Medina"}},
        {"sion", 10, {"Sitten", "Changzhou"}},  // a whole alias before a more populous city
        {"sio", 10, {"Changzhou", "Sitten"}},
        // "gotham " is a word that ends: Newark's whole alias "gotham" puts it first no more
        {"gotham ", 10, {"Sydney", "Newark, NJ"}},
        {"", 10, {}},
        {"new", 0, {}},
        {"ne\xff", 10, {}},
        {"brok", 10, {}},  // a damaged name in the database is left out
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchCityNames(databasePath_, c.typed, c.limit), c.expected) << c.typed;
    }
}

TEST(ShippedCityDatabasePathTest, TheEnvironmentVariableWinsEvenWhenItsFileIsMissing) {
    ScratchFolder folder;
    ASSERT_EQ(setenv("ORVANTA_CITY_DB", (folder.Path() / "absent.db").c_str(), 1), 0);
    // Named explicitly, a missing database must be reported, not replaced by another one.
    EXPECT_EQ(ShippedCityDatabasePath(), folder.Path() / "absent.db");
    ASSERT_EQ(unsetenv("ORVANTA_CITY_DB"), 0);
    EXPECT_EQ(ShippedCityDatabasePath().filename(), "cities.db");
}

}  // namespace
}  // namespace orvanta
