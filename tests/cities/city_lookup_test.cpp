#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cities/city_database_path.h"
#include "cities/sqlite_city_store.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

using testing_support::BuildDatabase;
using testing_support::ScratchFolder;

// Zones, fold table, cities and aliases of the test database. Search keys are written as the
// fold table makes them.
constexpr const char* kTestData = R"sql(
INSERT INTO zones VALUES
    (1, 'America/Detroit', 300, 1), (2, 'Australia/Sydney', -600, 1),
    (3, 'Asia/Riyadh', -180, 0), (4, 'Asia/Kolkata', -330, 0),
    (5, 'Asia/Kathmandu', -345, 0), (6, 'America/St_Johns', 210, 1),
    (7, 'Europe/Zurich', -60, 1), (8, 'America/Los_Angeles', 480, 1),
    (9, 'America/Costa_Rica', 360, 0),
    (20, 'Etc/Broken', 'abc', 0), (21, '../../../etc/passwd', 0, 0);
INSERT INTO fold_map VALUES
    (65, 'a'), (66, 'b'), (67, 'c'), (68, 'd'), (69, 'e'), (70, 'f'), (71, 'g'), (72, 'h'),
    (73, 'i'), (74, 'j'), (75, 'k'), (76, 'l'), (77, 'm'), (78, 'n'), (79, 'o'), (80, 'p'),
    (81, 'q'), (82, 'r'), (83, 's'), (84, 't'), (85, 'u'), (86, 'v'), (87, 'w'), (88, 'x'),
    (89, 'y'), (90, 'z'), (220, 'u'), (252, 'u'), (201, 'e'), (233, 'e'), (223, 'ss'),
    (160, ' '), (769, '');
INSERT INTO cities (city_id, name, search_key, country, country_code, region,
                    latitude, longitude, zone_index, population) VALUES
    (1, 'Detroit, MI', 'detroit, mi', 'United States', 'US', 'Michigan', 4220, -8303, 1, 639111),
    (2, 'Sydney', 'sydney', 'Australia', 'AU', 'New South Wales', -3352, 15113, 2, 4627345),
    (3, 'Mecca', 'mecca', 'Saudi Arabia', 'SA', 'Makkah', 2125, 3949, 3, 1675368),
    (4, 'Z' || char(252) || 'rich', 'zurich', 'Switzerland', 'CH', 'Zurich', 4722, 832, 7, 341730),
    (5, 'Mumbai', 'mumbai', 'India', 'IN', 'Maharashtra', 1858, 7249, 4, 12691836),
    (6, 'Bombay, NY', 'bombay, ny', 'United States', 'US', 'New York', 4456, -7436, 1, 1300),
    (7, 'Bombay', 'bombay', 'United States', 'US', 'California', 3321, -11537, 8, 290),
    (8, 'Kathmandu', 'kathmandu', 'Nepal', 'NP', 'Bagmati', 2743, 8519, 5, 1442271),
    (9, 'St. John''s, NL', 'st. john''s, nl', 'Canada', 'CA', 'Newfoundland', 4733, -5243, 6,
        110525),
    (10, 'San Jos' || char(233) || ', Costa Rica', 'san jose, costa rica', 'Costa Rica', 'CR',
        'San Jose', 956, -8405, 9, 335007),
    (11, 'San Jose', 'san jose', 'United States', 'US', 'California', 3720, -12153, 8, 1013240),
    (12, 'Springfield, IL', 'springfield, il', 'United States', 'US', 'Illinois', 3948, -8939,
        1, 114394),
    (13, 'Springfield, MO', 'springfield, mo', 'United States', 'US', 'Missouri', 3713, -9317,
        1, 169176),
    (30, 'Nolat', 'nolat', 'Nowhere', 'XX', '', NULL, 1000, 1, 1),
    (31, 'Farnorth', 'farnorth', 'Nowhere', 'XX', '', 9100, 1000, 1, 1),
    (32, 'Sixtyminutes', 'sixtyminutes', 'Nowhere', 'XX', '', 4260, 1000, 1, 1),
    (33, 'Farwest', 'farwest', 'Nowhere', 'XX', '', 1000, -18100, 1, 1),
    (34, 'Nozone', 'nozone', 'Nowhere', 'XX', '', 1000, 1000, NULL, 1),
    (35, 'Lostzone', 'lostzone', 'Nowhere', 'XX', '', 1000, 1000, 99, 1),
    (36, 'Textbias', 'textbias', 'Nowhere', 'XX', '', 1000, 1000, 20, 1),
    (37, 'Escapezone', 'escapezone', 'Nowhere', 'XX', '', 1000, 1000, 21, 1),
    (38, 'Textlat', 'textlat', 'Nowhere', 'XX', '', 'north', 1000, 1, 1);
INSERT INTO aliases VALUES
    ('detroit', 1), ('bombay', 5), ('springfield', 12), ('springfield', 13),
    ('mumbai, india', 5), ('san jose', 10);
)sql";

// A record as a caller holds it before a lookup: values of an earlier city in every field.
CityLocation EarlierCity(std::string name) {
    CityLocation city;
    city.name = std::move(name);
    city.isSouth = 1;
    city.latitudeDegrees = 12;
    city.longitudeDegrees = 56;
    city.latitudeRad = -0.2;
    city.zoneHours = 4.0;
    city.zoneName = "Asia/Dubai";
    return city;
}

bool Same(const CityLocation& a, const CityLocation& b) {
    return a.name == b.name && a.isSouth == b.isSouth && a.latitudeDegrees == b.latitudeDegrees &&
           a.latitudeMinutes == b.latitudeMinutes && a.isWest == b.isWest &&
           a.longitudeDegrees == b.longitudeDegrees && a.longitudeMinutes == b.longitudeMinutes &&
           a.latitudeRad == b.latitudeRad && a.longitudeRad == b.longitudeRad &&
           a.zoneHours == b.zoneHours && a.supportsDst == b.supportsDst && a.zoneName == b.zoneName;
}

class CityLookupTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(BuildDatabase(databasePath_, kTestData))
            << "ORVANTA_SOURCE_DIR must name the source folder holding data/schema.sql";
    }
    CityLookupStatus LookUp(CityLocation& city, const fs::path& path) {
        return SqliteCityStore(path).LookUp(city, [this](std::string_view text, std::string_view) {
            messages_.emplace_back(text);
        });
    }
    CityLookupStatus LookUp(CityLocation& city) { return LookUp(city, databasePath_); }

    ScratchFolder folder_;
    fs::path databasePath_ = folder_.Path() / "cities.db";
    std::vector<std::string> messages_;
};

TEST_F(CityLookupTest, FillsEveryFieldOfTheCityFound) {
    CityLocation city = EarlierCity("Sydney");
    ASSERT_EQ(LookUp(city), CityLookupStatus::Found);
    // 33 deg 52' S 151 deg 13' E, zone bias -600 minutes: 10 hours east.
    const CityLocation expected{
        "Sydney",          1, 33, 52, 0, 151, 13, -0.5910848400087463, -2.6392287172240922, 10.0, 1,
        "Australia/Sydney"};
    EXPECT_TRUE(Same(expected, city));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(CityLookupTest, FindsByFoldedNameOrAliasAndWritesTheDisplayNameBack) {
    const struct {
        const char* label;
        std::string searched;
        std::string found;  // the display name written back
        double zoneHours;
    } cases[] = {
        {"extra whitespace", "  Detroit,\t  MI ", "Detroit, MI", -5.0},
        {"alias", "detroit", "Detroit, MI", -5.0},
        {"without the accent", "zurich", "Z\xC3\xBCrich", 1.0},
        {"upper-case accent", "Z\xC3\x9CRICH", "Z\xC3\xBCrich", 1.0},
        {"combining accent folds to nothing", "Zu\xCC\x81rich", "Z\xC3\xBCrich", 1.0},
        {"quote in the name, half-hour west", "st. john's, nl", "St. John's, NL", -3.5},
        {"quarter-hour zone", "Kathmandu", "Kathmandu", 5.75},
        {"half-hour zone by alias", "Mumbai, India", "Mumbai", 5.5},
        {"display name before a smaller city's alias", "San Jose", "San Jose", -8.0},
        {"accented alias", "SAN JOS\xC3\x89, Costa Rica", "San Jos\xC3\xA9, Costa Rica", -6.0},
        {"alias of two cities: the most populous", "Springfield", "Springfield, MO", -5.0},
        {"display name before a bigger city's alias", "Bombay", "Bombay", -8.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        CityLocation city = EarlierCity(c.searched);
        ASSERT_EQ(LookUp(city), CityLookupStatus::Found);
        EXPECT_EQ(city.name, c.found);
        EXPECT_EQ(city.zoneHours, c.zoneHours);
        const CityLocation first = city;  // the name written back finds the same record
        ASSERT_EQ(LookUp(city), CityLookupStatus::Found);
        EXPECT_TRUE(Same(first, city));
    }
    EXPECT_TRUE(messages_.empty());
}

// Unknown and hostile names, and rows whose stored values cannot be used: "Couldn't find
// city!" once, the record unchanged, the database unchanged.
TEST_F(CityLookupTest, UnknownNamesAndDamagedRowsAreNotFound) {
    const std::string names[] = {
        "Atlantis",    "Detroit, M", "\"; DROP TABLE cities; --",
        "' OR 1=1 --", "detroit%",
        "Z\xFCrich",  // Latin-1: one unusable name stands for the rules tested in CityName
        "Nolat",       "Farnorth",   "Sixtyminutes",
        "Farwest",     "Nozone",     "Lostzone",
        "Textbias",    "Escapezone", "Textlat"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        messages_.clear();
        CityLocation city = EarlierCity(name);
        EXPECT_EQ(LookUp(city), CityLookupStatus::NotFound);
        EXPECT_TRUE(Same(EarlierCity(name), city));
        EXPECT_EQ(messages_, std::vector<std::string>{"Couldn't find city!"});
    }
    CityLocation city = EarlierCity("Detroit, MI");
    EXPECT_EQ(LookUp(city), CityLookupStatus::Found);
}

TEST_F(CityLookupTest, DisplayNamesLongerThan199Utf16UnitsAreRefusedNotCut) {
    std::string emoji99;
    for (int i = 0; i < 99; ++i) {
        emoji99 += "\xF0\x9F\x98\x80";
    }
    const std::string fits = emoji99 + "x";                    // 199 units
    const std::string tooLong = emoji99 + "\xF0\x9F\x98\x81";  // 200 units
    const fs::path path = folder_.Path() / "long.db";
    ASSERT_TRUE(BuildDatabase(path,
                              "INSERT INTO zones VALUES (1, 'UTC', 0, 0);"
                              "INSERT INTO cities VALUES (1, '" +
                                  fits + "', '" + fits +
                                  "', 'C', 'CC', '', 100, 100, 1, 5), (2, '" + tooLong +
                                  "', 'long', 'C', 'CC', '', 100, 100, 1, 5);"));
    CityLocation city = EarlierCity(fits);
    EXPECT_EQ(LookUp(city, path), CityLookupStatus::Found);
    city = EarlierCity("long");
    EXPECT_EQ(LookUp(city, path), CityLookupStatus::NotFound);
}

// Every damaged, missing or foreign database fails as unavailable: no message, the record and
// the file unchanged, never a wrong city.
TEST_F(CityLookupTest, DamagedOrMissingDatabasesFailWithoutAMessage) {
    std::vector<testing_support::DamagedDatabase> files =
        testing_support::MakeDamagedCityDatabases(folder_.Path());
    ASSERT_EQ(files.size(), 10U);
    files.push_back({"missing", folder_.Path() / "missing.db"});
    files.push_back({"a folder", folder_.Path()});
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        const std::string before = testing_support::ReadBytes(file.path);
        for (const bool immutable : {true, false}) {
            CityLocation city = EarlierCity("Mecca");
            const SqliteCityStore store(file.path, immutable);
            EXPECT_EQ(store.LookUp(city, [this](auto, auto) { messages_.emplace_back("x"); }),
                      CityLookupStatus::DatabaseUnavailable);
            EXPECT_TRUE(Same(EarlierCity("Mecca"), city));
            EXPECT_FALSE(store.LookUpCity(city, MessageFn{}));
        }
        EXPECT_TRUE(messages_.empty());
        EXPECT_EQ(testing_support::ReadBytes(file.path), before) << "the lookup changed the file";
    }
}

TEST_F(CityLookupTest, APathWithUriCharactersIsOpenedAsAFileName) {
    const fs::path odd = folder_.Path() / "odd ?mode=rwc#%41 name.db";
    fs::copy_file(databasePath_, odd);
    CityLocation city = EarlierCity("Mecca");
    EXPECT_EQ(LookUp(city, odd), CityLookupStatus::Found);
    EXPECT_EQ(city.latitudeRad, 0.3737913481354523);
    EXPECT_FALSE(fs::exists(folder_.Path() / "odd "));
}

TEST(ShippedCityDatabasePathTest, TheEnvironmentVariableWinsEvenWhenItsFileIsMissing) {
    ScratchFolder folder;
    ASSERT_EQ(setenv("ORVANTA_CITY_DB", (folder.Path() / "absent.db").c_str(), 1), 0);
    // Named explicitly, a missing database must be reported, not replaced by another one.
    EXPECT_EQ(ShippedCityDatabasePath(), folder.Path() / "absent.db");
    ASSERT_EQ(unsetenv("ORVANTA_CITY_DB"), 0);
    EXPECT_EQ(ShippedCityDatabasePath().filename(), "cities.db");
}

// A damaged user database is moved aside (see DamagedFileTest) and the shipped cities still work.
TEST_F(CityLookupTest, DamagedUserDatabaseStillLetsTheShippedCitiesBeFound) {
    const fs::path userDatabase = folder_.Path() / "user.db";
    std::ofstream(userDatabase, std::ios::binary) << std::string(4096, '\x5a');
    CityLocation city = EarlierCity("mecca");
    EXPECT_EQ(SqliteCityStore(databasePath_, true, userDatabase).LookUp(city, MessageFn{}),
              CityLookupStatus::Found);
    EXPECT_EQ(city.name, "Mecca");
    EXPECT_FALSE(fs::exists(userDatabase));
}

}  // namespace
}  // namespace orvanta
