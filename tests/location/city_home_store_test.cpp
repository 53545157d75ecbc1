#include "location/home_city_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "location/sqlite_db.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

class HomeCityStoreTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvanta-home-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        // A folder that does not exist yet: the first write creates it.
        path_ = folder_ / "data" / "orvanta" / "user.db";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Reads with a record whose name is set, so that "unchanged" can be seen.
    bool Read(const HomeCityStore& store, std::string& name) {
        CityLocation city;
        city.name = "Configured";
        const bool found = store.ReadHomeCity(city);
        name = city.name;
        return found;
    }

    fs::path folder_;
    fs::path path_;
};

TEST_F(HomeCityStoreTest, AMissingDatabaseMeansNoHomeCityAndIsNotCreated) {
    const HomeCityStore store(path_);
    std::string name;
    EXPECT_FALSE(Read(store, name));
    EXPECT_EQ(name, "Configured");
    EXPECT_TRUE(store.ClearHomeCity());
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_FALSE(fs::exists(path_.parent_path()));
}

TEST_F(HomeCityStoreTest, SetReadReplaceAndClear) {
    const HomeCityStore store(path_);
    std::string name;
    ASSERT_TRUE(store.SetHomeCity("Detroit, MI"));
    EXPECT_TRUE(fs::exists(path_));
    EXPECT_TRUE(Read(store, name));
    EXPECT_EQ(name, "Detroit, MI");

    ASSERT_TRUE(store.SetHomeCity("St. John's, NL \"quoted\""));
    EXPECT_TRUE(Read(HomeCityStore(path_), name));  // another instance, same file
    EXPECT_EQ(name, "St. John's, NL \"quoted\"");

    ASSERT_TRUE(store.ClearHomeCity());
    EXPECT_FALSE(Read(store, name));
    EXPECT_EQ(name, "Configured");
    EXPECT_TRUE(store.ClearHomeCity());  // clearing twice is fine
}

TEST_F(HomeCityStoreTest, UnusableNamesAreRefusedAndTheEarlierOneKept) {
    const HomeCityStore store(path_);
    ASSERT_TRUE(store.SetHomeCity("Z\xC3\xBCrich"));
    std::string emoji100;
    for (int i = 0; i < 100; ++i) {
        emoji100 += "\xF0\x9F\x98\x80";
    }
    const std::string refused[] = {"",       "   ",       std::string(200, 'a'),
                                   emoji100, "Z\xFCrich", std::string("a\0b", 3)};
    for (const std::string& bad : refused) {
        EXPECT_FALSE(store.SetHomeCity(bad));
    }
    std::string name;
    EXPECT_TRUE(Read(store, name));
    EXPECT_EQ(name, "Z\xC3\xBCrich");
    EXPECT_TRUE(store.SetHomeCity(std::string(199, 'a')));
}

TEST_F(HomeCityStoreTest, AStoredNameThatIsNotUsableReadsAsNoHomeCity) {
    const HomeCityStore store(path_);
    ASSERT_TRUE(store.SetHomeCity("Detroit, MI"));
    for (const std::string& value : {std::string(""), std::string(200, 'b'), std::string("\xFF")}) {
        std::optional<SqliteDb> db = SqliteDb::Open(path_, SqliteOpenMode::ReadWrite);
        ASSERT_TRUE(db.has_value());
        std::optional<SqliteStatement> update =
            SqliteStatement::Prepare(*db, "UPDATE home_city SET name = ?1");
        ASSERT_TRUE(update && update->BindText(1, value));
        ASSERT_EQ(update->Step(), SqliteStatement::StepResult::Done);
        std::string name;
        EXPECT_FALSE(Read(store, name));
        EXPECT_EQ(name, "Configured");
    }
}

TEST_F(HomeCityStoreTest, CreatesTheUserCitiesTableWithTheCityColumns) {
    ASSERT_TRUE(HomeCityStore(path_).SetHomeCity("Mecca"));
    std::optional<SqliteDb> db = SqliteDb::Open(path_, SqliteOpenMode::ReadOnly);
    ASSERT_TRUE(db.has_value());
    EXPECT_TRUE(SqliteStatement::Prepare(
                    *db,
                    "SELECT city_id, name, search_key, country, country_code, region, latitude,"
                    " longitude, zone_index, population FROM user_cities")
                    .has_value());
}

TEST_F(HomeCityStoreTest, ADamagedFileIsNeitherReadNorOverwritten) {
    fs::create_directories(path_.parent_path());
    const std::string garbage(4096, '\x5A');
    std::ofstream(path_, std::ios::binary) << garbage;
    const HomeCityStore store(path_);
    std::string name;
    EXPECT_FALSE(Read(store, name));
    EXPECT_FALSE(store.SetHomeCity("Detroit, MI"));
    EXPECT_FALSE(store.ClearHomeCity());
    std::ifstream in(path_, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(after, garbage);
}

TEST_F(HomeCityStoreTest, TheDefaultPathFollowsTheDataFolder) {
    const char* earlier = std::getenv("XDG_DATA_HOME");
    const std::string saved = earlier != nullptr ? earlier : "";
    ASSERT_EQ(setenv("XDG_DATA_HOME", folder_.c_str(), 1), 0);
    EXPECT_EQ(DefaultUserDatabasePath(), folder_ / "orvanta" / "user.db");
    EXPECT_TRUE(HomeCityStore().SetHomeCity("Sydney"));
    EXPECT_TRUE(fs::exists(folder_ / "orvanta" / "user.db"));
    if (earlier != nullptr) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
}  // namespace orvanta
