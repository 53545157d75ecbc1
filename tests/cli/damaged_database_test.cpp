// orvanta-times over a damaged city database: status 1, nothing on standard output, and an
// error that names the file, says it is damaged and how to rebuild it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cities/sqlite_city_store.h"
#include "cli/times_command.h"
#include "tests/support/damaged_city_databases.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

TEST(DamagedCityDatabaseCliTest, SaysTheDatabaseIsDamagedAndHowToRebuildIt) {
    const std::vector<testing_support::DamagedDatabase> damaged =
        testing_support::MakeDamagedCityDatabasesInTemp("orvanta-cli-damaged");
    ASSERT_FALSE(damaged.empty());

    for (const testing_support::DamagedDatabase& file : damaged) {
        SCOPED_TRACE(file.what);
        const SqliteCityStore cities(file.path);
        TimesServices services;
        services.today = [] { return std::optional<CivilDate>(CivilDate{2026, 3, 20}); };
        services.cities = &cities;
        services.cityDatabaseDescription = file.path.string();
        // By name, and by the saved settings' city (no settings file: "Detroit, MI").
        for (const std::vector<const char*>& argv :
             {std::vector<const char*>{"orvanta-times", "--city", "Mecca", nullptr},
              std::vector<const char*>{"orvanta-times", nullptr}}) {
            std::ostringstream out;
            std::ostringstream err;
            const int status =
                RunTimesCommand(static_cast<int>(argv.size() - 1), argv.data(), out, err, services);
            EXPECT_EQ(status, 1);
            EXPECT_EQ(out.str(), "");
            const std::string error = err.str();
            EXPECT_NE(error.find(file.path.string()), std::string::npos) << error;
            EXPECT_NE(error.find("damaged"), std::string::npos) << error;
            EXPECT_NE(error.find("rebuild"), std::string::npos) << error;
            EXPECT_EQ(error.find("Couldn't find city!"), std::string::npos) << error;
        }
    }
    std::error_code ignored;
    fs::remove_all(damaged.front().path.parent_path(), ignored);
}

}  // namespace
}  // namespace orvanta
