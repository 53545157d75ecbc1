#include "cities/city_search.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::BuildDatabase;
using testing_support::ScratchFolder;

// Search keys are written as the fold table makes them (upper case and accents folded).
constexpr const char* kTestData = R"sql(
INSERT INTO zones VALUES (1, 'America/Detroit', 300, 1), (2, 'Asia/Riyadh', -180, 0);
INSERT INTO fold_map VALUES
    (65, 'a'), (66, 'b'), (67, 'c'), (68, 'd'), (69, 'e'), (70, 'f'), (71, 'g'), (72, 'h'),
    (73, 'i'), (74, 'j'), (75, 'k'), (76, 'l'), (77, 'm'), (78, 'n'), (79, 'o'), (80, 'p'),
    (81, 'q'), (82, 'r'), (83, 's'), (84, 't'), (85, 'u'), (86, 'v'), (87, 'w'), (88, 'x'),
    (89, 'y'), (90, 'z'), (227, 'a'), (195, 'a'), (233, 'e');
INSERT INTO cities (city_id, name, search_key, country, country_code, region,
                    latitude, longitude, zone_index, population) VALUES
    (1, 'Newark, NJ', 'newark, nj', 'United States', 'US', 'New Jersey', 4044, -7410, 1, 311549),
    (2, 'New York, NY', 'new york, ny', 'United States', 'US', 'New York', 4042, -7400, 1,
        8804190),
    (3, 'New Haven, CT', 'new haven, ct', 'United States', 'US', 'Connecticut', 4118, -7255, 1,
        134023),
    (4, 'S' || char(227) || 'o Paulo', 'sao paulo', 'Brazil', 'BR', 'Sao Paulo', -2332, -4637,
        1, 12400232),
    (5, 'Mecca', 'mecca', 'Saudi Arabia', 'SA', 'Makkah', 2125, 3949, 2, 1675368),
    (6, 'Medina', 'medina', 'Saudi Arabia', 'SA', 'Madinah', 2428, 3936, 2, 1180770),
    (7, 'Nowhere Twin A', 'nowhere twin a', 'Nowhere', 'XX', '', 0, 0, 1, 5),
    (8, 'Nowhere Twin B', 'nowhere twin b', 'Nowhere', 'XX', '', 0, 0, 1, 5),
    (9, 'Broken ' || CAST(X'FF' AS TEXT), 'broken', 'Nowhere', 'XX', '', 0, 0, 1, 1),
    (10, 'Sitten', 'sitten', 'Switzerland', 'CH', 'Valais', 4614, 721, 1, 28045),
    (11, 'Changzhou', 'changzhou', 'China', 'CN', 'Jiangsu', 3147, 11957, 1, 3290918);
INSERT INTO aliases VALUES ('makkah', 5), ('mecca, saudi arabia', 5), ('big apple', 2),
    ('sion', 10), ('siong-ciu', 11);
)sql";

class CitySearchTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(BuildDatabase(database_, kTestData))
            << "ORVANTA_SOURCE_DIR must name the source tree";
    }

    ScratchFolder folder_;
    const fs::path database_ = folder_.Path() / "cities.db";
};

using Names = std::vector<std::string>;

TEST_F(CitySearchTest, FoldedPrefixesFindCitiesMostPopulousFirst) {
    struct Case {
        const char* name;
        std::string typed;
        std::size_t limit;
        Names expected;
    };
    const Case cases[] = {
        // Typed text is only ever a value: quotes, % and _ are plain characters.
        {"SQL text is plain text", "n'; DROP TABLE cities; --", 10, {}},
        {"% is no wildcard", "%", 10, {}},
        {"_ is no wildcard", "_", 10, {}},
        {"lower-case prefix", "new", 10, {"New York, NY", "Newark, NJ", "New Haven, CT"}},
        {"a trailing space ends the word", "new ", 10, {"New York, NY", "New Haven, CT"}},
        {"inner spaces collapse", "new   y", 10, {"New York, NY"}},
        {"accent folds", "S\xc3\xa3o", 10, {"S\xc3\xa3o Paulo"}},
        {"plain text finds an accented name", "sao p", 10, {"S\xc3\xa3o Paulo"}},
        {"alias finds the city by its display name", "makk", 10, {"Mecca"}},
        {"name and alias both match: the city comes once", "mec", 10, {"Mecca"}},
        {"alias of another city", "big", 10, {"New York, NY"}},
        {"limit keeps the most populous", "me", 1, {"Mecca"}},
        {"equal populations keep the id order",
         "nowhere",
         10,
         {"Nowhere Twin A", "Nowhere Twin B"}},
        {"a whole name matches itself", "medina", 10, {"Medina"}},
        // The city the lookup gives for the whole text comes first.
        {"a whole alias before a more populous longer one", "sion", 10, {"Sitten", "Changzhou"}},
        {"no whole key: most populous first", "sio", 10, {"Changzhou", "Sitten"}},
        {"longer than any name", "medinas", 10, {}},
        {"empty text", "", 10, {}},
        {"limit 0", "new", 0, {}},
        {"not UTF-8", "ne\xff", 10, {}},
        {"a damaged name in the database is left out", "brok", 10, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SearchCityNames(database_, c.typed, c.limit), c.expected) << c.name;
    }
}

TEST(CitySearch, MissingOrDamagedDatabaseGivesNothing) {
    ScratchFolder folder;
    EXPECT_EQ(SearchCityNames(folder.Path() / "absent.db", "new", 10), Names{});
    const fs::path junk = folder.Path() / "junk.db";
    std::ofstream(junk) << "this is not a database";
    EXPECT_EQ(SearchCityNames(junk, "new", 10), Names{});
    EXPECT_EQ(SearchCityNames(folder.Path(), "new", 10), Names{});
}

TEST(CitySearch, PrefixUpperBoundIsTheNextByteString) {
    EXPECT_EQ(PrefixUpperBound("new"), "nex");
    EXPECT_EQ(PrefixUpperBound(std::string("a\xff", 2)), "b");
    EXPECT_EQ(PrefixUpperBound(std::string("\xff\xff", 2)), "");
    EXPECT_EQ(PrefixUpperBound(""), "");
}

}  // namespace
}  // namespace orvanta
