#include "cities/city_search.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/test_city_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::ScratchFolder;
using Names = std::vector<std::string>;

TEST(CitySearch, FoldedPrefixesFindCitiesMostPopulousFirst) {
    ScratchFolder folder;
    const fs::path database = folder.Path() / "cities.db";
    ASSERT_TRUE(testing_support::BuildTestCityDatabase(database))
        << "ORVANTA_SOURCE_DIR must name the source tree";
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
        EXPECT_EQ(SearchCityNames(database, c.typed, c.limit), c.expected) << c.name;
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

}  // namespace
}  // namespace orvanta
