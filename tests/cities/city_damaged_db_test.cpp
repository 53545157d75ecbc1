// The city lookup over damaged city databases: every one fails as unavailable, without a
// message, with the record untouched and the file unchanged; never a wrong city.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cities/sqlite_city_store.h"
#include "tests/support/damaged_city_databases.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::DamagedDatabase;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class DamagedCityDatabaseTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvanta-damaged-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        const char* source = std::getenv("ORVANTA_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        sourceDir_ = source;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
    fs::path sourceDir_;
};

TEST_F(DamagedCityDatabaseTest, EveryDamagedOrForeignFileFailsCleanly) {
    // The sound database finds the city, so the failures below come from the damage alone.
    const fs::path sound = folder_ / "check.db";
    ASSERT_TRUE(testing_support::MakeSoundCityDatabase(sourceDir_, sound));
    CityLocation found;
    found.name = "Mecca";
    ASSERT_EQ(SqliteCityStore(sound).LookUp(found, MessageFn{}), CityLookupStatus::Found);

    const std::vector<DamagedDatabase> damaged =
        testing_support::MakeDamagedCityDatabases(sourceDir_, folder_);
    ASSERT_EQ(damaged.size(), 10U);
    for (const DamagedDatabase& file : damaged) {
        SCOPED_TRACE(file.what);
        const std::string before = ReadBytes(file.path);
        for (const bool immutable : {true, false}) {
            CityLocation city;
            city.name = "Mecca";
            city.zoneHours = 4.0;
            int messages = 0;
            const SqliteCityStore store(file.path, immutable);
            EXPECT_EQ(store.LookUp(city, [&](std::string_view, std::string_view) { ++messages; }),
                      CityLookupStatus::DatabaseUnavailable);
            EXPECT_EQ(messages, 0);
            EXPECT_EQ(city.name, "Mecca");
            EXPECT_EQ(city.zoneHours, 4.0);
            EXPECT_FALSE(store.LookUpCity(city, MessageFn{}));
        }
        EXPECT_EQ(ReadBytes(file.path), before) << "the lookup changed the file";
    }
}

}  // namespace
}  // namespace orvanta
