#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cities/city_database_path.h"
#include "cities/sqlite_city_store.h"
#include "cities/sqlite_db.h"
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

std::string Full(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Every field of two records, compared exactly.
testing::AssertionResult SameRecord(const CityLocation& expected, const CityLocation& actual) {
    std::ostringstream differences;
    const auto compare = [&](const char* field, const auto& want, const auto& got) {
        if (!(want == got)) {
            differences << field << " expected " << want << " got " << got << "; ";
        }
    };
    compare("name", expected.name, actual.name);
    compare("isSouth", expected.isSouth, actual.isSouth);
    compare("latitudeDegrees", expected.latitudeDegrees, actual.latitudeDegrees);
    compare("latitudeMinutes", expected.latitudeMinutes, actual.latitudeMinutes);
    compare("isWest", expected.isWest, actual.isWest);
    compare("longitudeDegrees", expected.longitudeDegrees, actual.longitudeDegrees);
    compare("longitudeMinutes", expected.longitudeMinutes, actual.longitudeMinutes);
    compare("latitudeRad", Full(expected.latitudeRad), Full(actual.latitudeRad));
    compare("longitudeRad", Full(expected.longitudeRad), Full(actual.longitudeRad));
    compare("zoneHours", Full(expected.zoneHours), Full(actual.zoneHours));
    compare("supportsDst", expected.supportsDst, actual.supportsDst);
    compare("zoneName", expected.zoneName, actual.zoneName);
    const std::string text = differences.str();
    if (text.empty()) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << text;
}

// A record as a caller holds it before a lookup: values of an earlier city in every field.
CityLocation EarlierCity(std::string name) {
    CityLocation city;
    city.name = std::move(name);
    city.isSouth = 1;
    city.latitudeDegrees = 12;
    city.latitudeMinutes = 34;
    city.isWest = 0;
    city.longitudeDegrees = 56;
    city.longitudeMinutes = 7;
    city.latitudeRad = -0.2;
    city.longitudeRad = -0.9;
    city.zoneHours = 4.0;
    city.supportsDst = 1;
    city.zoneName = "Asia/Dubai";
    return city;
}

struct MessageLog {
    std::vector<std::pair<std::string, std::string>> shown;
    MessageFn Fn() {
        return [this](std::string_view text, std::string_view caption) {
            shown.emplace_back(text, caption);
        };
    }
};

class CityLookupTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.Path().empty());
        databasePath_ = folder_.Path() / "cities.db";
        ASSERT_TRUE(BuildDatabase(databasePath_, kTestData))
            << "ORVANTA_SOURCE_DIR must name the source folder holding data/schema.sql";
    }

    CityLookupStatus LookUp(CityLocation& city, const fs::path& path) {
        const SqliteCityStore store(path);
        return store.LookUp(city, messages_.Fn());
    }
    CityLookupStatus LookUp(CityLocation& city) { return LookUp(city, databasePath_); }

    // A failure that must show "Couldn't find city!" once and leave the record as it was.
    void ExpectNotFound(const std::string& name) {
        SCOPED_TRACE("name: " + name);
        messages_.shown.clear();
        CityLocation city = EarlierCity(name);
        EXPECT_EQ(LookUp(city), CityLookupStatus::NotFound);
        EXPECT_TRUE(SameRecord(EarlierCity(name), city));
        ASSERT_EQ(messages_.shown.size(), 1U);
        EXPECT_EQ(messages_.shown[0].first, "Couldn't find city!");
        EXPECT_EQ(messages_.shown[0].second, "Error");
    }

    // A database that can't be used: no message, record unchanged, bool API false.
    void ExpectUnavailable(const fs::path& path) {
        messages_.shown.clear();
        CityLocation city = EarlierCity("Detroit, MI");
        EXPECT_EQ(LookUp(city, path), CityLookupStatus::DatabaseUnavailable);
        EXPECT_TRUE(SameRecord(EarlierCity("Detroit, MI"), city));
        EXPECT_TRUE(messages_.shown.empty());
        const SqliteCityStore store(path);
        EXPECT_FALSE(store.LookUpCity(city, messages_.Fn()));
        EXPECT_TRUE(messages_.shown.empty());
    }

    ScratchFolder folder_;
    fs::path databasePath_;
    MessageLog messages_;
};

TEST_F(CityLookupTest, FillsEveryFieldOfTheCityFound) {
    CityLocation city = EarlierCity("Sydney");
    ASSERT_EQ(LookUp(city), CityLookupStatus::Found);
    CityLocation expected;
    expected.name = "Sydney";
    expected.isSouth = 1;
    expected.latitudeDegrees = 33;
    expected.latitudeMinutes = 52;
    expected.latitudeRad = -0.5910848400087463;
    expected.isWest = 0;
    expected.longitudeDegrees = 151;
    expected.longitudeMinutes = 13;
    expected.longitudeRad = -2.6392287172240922;
    expected.zoneHours = 10.0;
    expected.supportsDst = 1;
    expected.zoneName = "Australia/Sydney";
    EXPECT_TRUE(SameRecord(expected, city));
    EXPECT_TRUE(messages_.shown.empty());
}

struct FoundCase {
    const char* label;
    std::string searched;
    std::string found;  // the display name written back
    double zoneHours;
};

TEST_F(CityLookupTest, FindsByFoldedNameOrAliasAndWritesTheDisplayNameBack) {
    const FoundCase cases[] = {
        {"display name", "Detroit, MI", "Detroit, MI", -5.0},
        {"extra whitespace", "  Detroit,\t  MI ", "Detroit, MI", -5.0},
        {"alias", "detroit", "Detroit, MI", -5.0},
        {"without the accent", "zurich", "Z\xC3\xBCrich", 1.0},
        {"upper-case accent", "Z\xC3\x9CRICH", "Z\xC3\xBCrich", 1.0},
        {"combining accent folds to nothing", "Zu\xCC\x81rich", "Z\xC3\xBCrich", 1.0},
        {"quote in the name", "st. john's, nl", "St. John's, NL", -3.5},
        {"quarter-hour zone", "Kathmandu", "Kathmandu", 5.75},
        {"half-hour zone by alias", "Mumbai, India", "Mumbai", 5.5},
        {"display name before a smaller city's alias", "San Jose", "San Jose", -8.0},
        {"accented alias", "SAN JOS\xC3\x89, Costa Rica", "San Jos\xC3\xA9, Costa Rica", -6.0},
        {"alias of two cities: the most populous", "Springfield", "Springfield, MO", -5.0},
        {"display name before a bigger city's alias", "Bombay", "Bombay", -8.0},
    };
    for (const FoundCase& c : cases) {
        SCOPED_TRACE(c.label);
        CityLocation city = EarlierCity(c.searched);
        ASSERT_EQ(LookUp(city), CityLookupStatus::Found);
        EXPECT_EQ(city.name, c.found);
        EXPECT_EQ(city.zoneHours, c.zoneHours) << Full(city.zoneHours);

        // The name written back is found again, to the same record.
        const CityLocation first = city;
        ASSERT_EQ(LookUp(city), CityLookupStatus::Found);
        EXPECT_TRUE(SameRecord(first, city));
    }
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(CityLookupTest, UnknownAndHostileNamesAreNotFoundAndNeverChangeTheDatabase) {
    std::string emoji100;
    for (int i = 0; i < 100; ++i) {
        emoji100 += "\xF0\x9F\x98\x80";
    }
    const std::string names[] = {
        "Atlantis",
        "Detroit, M",
        "\"; DROP TABLE cities; --",
        "' OR 1=1 --",
        "[Name] = \"Detroit, MI\"",
        "%",
        "detroit%",
        std::string(200, 'a'),
        emoji100,
        "Z\xFCrich",        // Latin-1, not UTF-8
        "Detroit\xC0\xAF",  // overlong form
        std::string("Detroit, MI\0x", 13),
        "",
        " \t ",
    };
    for (const std::string& name : names) {
        ExpectNotFound(name);
    }
    // The cities are all still there.
    CityLocation city = EarlierCity("Detroit, MI");
    EXPECT_EQ(LookUp(city), CityLookupStatus::Found);
}

TEST_F(CityLookupTest, DamagedRowsFailLikeAFailedFindWithTheRecordUnchanged) {
    for (const char* name : {"Nolat", "Farnorth", "Sixtyminutes", "Farwest", "Nozone", "Lostzone",
                             "Textbias", "Escapezone", "Textlat"}) {
        ExpectNotFound(name);
    }
}

TEST_F(CityLookupTest, DisplayNamesLongerThan199Utf16UnitsAreRefusedNotCut) {
    std::string emoji99;
    for (int i = 0; i < 99; ++i) {
        emoji99 += "\xF0\x9F\x98\x80";
    }
    const std::string fits = emoji99 + "x";                    // 199 units
    const std::string tooLong = emoji99 + "\xF0\x9F\x98\x81";  // 200 units, 100 code points
    ASSERT_TRUE(BuildDatabase(folder_.Path() / "long.db",
                              "INSERT INTO zones VALUES (1, 'UTC', 0, 0);"
                              "INSERT INTO cities VALUES (1, '" +
                                  fits + "', '" + fits +
                                  "', 'C', 'CC', '', 100, 100, 1, 5),"
                                  "(2, '" +
                                  tooLong + "', 'long', 'C', 'CC', '', 100, 100, 1, 5);"));
    CityLocation city = EarlierCity(fits);
    EXPECT_EQ(LookUp(city, folder_.Path() / "long.db"), CityLookupStatus::Found);
    EXPECT_EQ(city.name, fits);

    city = EarlierCity("long");
    EXPECT_EQ(LookUp(city, folder_.Path() / "long.db"), CityLookupStatus::NotFound);
    EXPECT_TRUE(SameRecord(EarlierCity("long"), city));
}

TEST_F(CityLookupTest, MissingOrDamagedDatabasesFailWithoutAMessage) {
    const fs::path folder = folder_.Path();
    const auto writeBytes = [](const fs::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    };

    ExpectUnavailable(folder / "missing.db");
    ExpectUnavailable(folder);  // a folder, not a file

    writeBytes(folder / "empty.db", "");
    ExpectUnavailable(folder / "empty.db");

    std::string garbage(8192, '\0');
    unsigned state = 12345;
    for (char& byte : garbage) {
        state = state * 1103515245U + 12345U;
        byte = static_cast<char>(state >> 16);
    }
    writeBytes(folder / "garbage.db", garbage);
    ExpectUnavailable(folder / "garbage.db");

    // A valid SQLite header followed by garbage.
    std::ifstream in(databasePath_, std::ios::binary);
    std::string real((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(real.size(), 100U);
    writeBytes(folder / "header-only.db", real.substr(0, 100) + garbage);
    ExpectUnavailable(folder / "header-only.db");

    ASSERT_TRUE(BuildDatabase(folder / "no-tables.db", ""));
    ASSERT_TRUE(SqliteDb::Open(folder / "no-tables.db", SqliteOpenMode::ReadWrite)
                    ->Exec("DROP TABLE aliases; DROP TABLE cities;"));
    ExpectUnavailable(folder / "no-tables.db");
}

TEST_F(CityLookupTest, ATruncatedDatabaseFailsWithoutAMessage) {
    // Enough rows that the file spans many pages.
    std::string rows = "INSERT INTO zones VALUES (1, 'UTC', 0, 0);";
    for (int i = 0; i < 3000; ++i) {
        const std::string name = "Town " + std::to_string(i);
        const std::string key = "town " + std::to_string(i);
        rows += "INSERT INTO cities VALUES (" + std::to_string(i + 1) + ", '" + name + "', '" +
                key + "', 'Country', 'CC', 'Region', 1000, 1000, 1, " + std::to_string(i) + ");";
    }
    const fs::path whole = folder_.Path() / "whole.db";
    const fs::path path = folder_.Path() / "truncated.db";
    ASSERT_TRUE(BuildDatabase(whole, rows));
    const std::uintmax_t size = fs::file_size(whole);
    ASSERT_GT(size, 40000U);
    // Cut in the middle, by a page, by one byte of the last page, down to the first pages.
    for (const std::uintmax_t keep : {size / 2, size - 4096, size - 1, std::uintmax_t{5000}}) {
        SCOPED_TRACE("bytes kept: " + std::to_string(keep));
        fs::copy_file(whole, path, fs::copy_options::overwrite_existing);
        fs::resize_file(path, keep);
        ExpectUnavailable(path);
    }
}

TEST_F(CityLookupTest, APathWithUriCharactersIsOpenedAsAFileName) {
    const fs::path odd = folder_.Path() / "odd ?mode=rwc#%41 name.db";
    fs::copy_file(databasePath_, odd);
    CityLocation city = EarlierCity("Mecca");
    EXPECT_EQ(LookUp(city, odd), CityLookupStatus::Found);
    EXPECT_EQ(city.latitudeRad, 0.3737913481354523) << Full(city.latitudeRad);
    EXPECT_EQ(city.longitudeRad, -0.694931930502409) << Full(city.longitudeRad);
    // Nothing named like the query part was created.
    EXPECT_FALSE(fs::exists(folder_.Path() / "odd "));
}

TEST_F(CityLookupTest, AnEmptyMessageFunctionIsNotCalled) {
    CityLocation city = EarlierCity("Atlantis");
    const SqliteCityStore store(databasePath_);
    EXPECT_FALSE(store.LookUpCity(city, MessageFn{}));
}

TEST(ShippedCityDatabasePathTest, TheEnvironmentVariableWinsEvenWhenItsFileIsMissing) {
    ScratchFolder folder;
    const fs::path file = folder.Path() / "mine.db";
    std::ofstream(file) << "x";
    ASSERT_EQ(setenv("ORVANTA_CITY_DB", file.c_str(), 1), 0);
    EXPECT_EQ(ShippedCityDatabasePath(), file);
    ASSERT_EQ(setenv("ORVANTA_CITY_DB", (folder.Path() / "absent.db").c_str(), 1), 0);
    // Named explicitly, a missing database must be reported, not replaced by another one.
    EXPECT_EQ(ShippedCityDatabasePath(), folder.Path() / "absent.db");
    // Without the variable: the build tree's or the installed database.
    ASSERT_EQ(unsetenv("ORVANTA_CITY_DB"), 0);
    EXPECT_EQ(ShippedCityDatabasePath().filename(), "cities.db");
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

TEST_F(CityLookupTest, DamagedUserDatabaseIsMovedAsideAndShippedCitiesStillWork) {
    const fs::path userDatabase = folder_.Path() / "user.db";
    std::ofstream(userDatabase, std::ios::binary) << std::string(4096, '\x5a');
    const SqliteCityStore store(databasePath_, /*immutable=*/true, userDatabase);
    CityLocation city;
    city.name = "mecca";
    EXPECT_EQ(store.LookUp(city, messages_.Fn()), CityLookupStatus::Found);
    EXPECT_EQ(city.name, "Mecca");
    EXPECT_FALSE(fs::exists(userDatabase));
    int movedAside = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_.Path())) {
        movedAside += entry.path().filename().string().rfind("user.db.damaged-", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(movedAside, 1);
}

}  // namespace
}  // namespace orvanta
