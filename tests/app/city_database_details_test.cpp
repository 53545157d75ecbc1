// When no city database was found, the window's "Error getting data!" box lists the paths tried
// in its details; other messages carry none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/city_database_details.h"
#include "app/daily_command.h"
#include "app/real_services.h"
#include "fakes.h"

namespace orvanta {
namespace {

TEST(CityDatabaseDetailsTest, TheDailyErrorListsThePathsTriedAndOtherMessagesNothing) {
    CityDatabaseLocation database;
    database.path = "/nowhere/opt/share/orvanta/cities.db";
    database.tried = {database.path, "/nowhere/xdg/orvanta/cities.db"};
    std::vector<std::string> shown;  // text|caption|details
    const MessageFn show = WithCityDatabaseDetails(
        [&shown](std::string_view text, std::string_view caption, std::string_view details) {
            shown.push_back(std::string(text) + "|" + std::string(caption) + "|" +
                            std::string(details));
        },
        database);
    testing_support::FakeWorld world;
    const DatabaseCityLookup cities(database.path, std::nullopt);
    const Services services{world.clock,       cities, world.homeCity, world.settings, world.zones,
                            world.suggestions, show};
    AppRecords records;
    records.city.name = "Mecca";
    EXPECT_FALSE(CalculateToday(records, services, nullptr));
    show("Couldn't find city!", "Error");
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Error getting data!|Error!|The city database cities.db was not found. "
                         "Paths tried:\n/nowhere/opt/share/orvanta/cities.db\n"
                         "/nowhere/xdg/orvanta/cities.db\n",
                         "Couldn't find city!|Error|"}));
}

}  // namespace
}  // namespace orvanta
