// The daily command over the real city lookup on damaged city databases: "Error getting data!"
// alone (never "Couldn't find city!", never a time), and the list as it was.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/daily_command.h"
#include "app/real_services.h"
#include "fakes.h"
#include "tests/support/damaged_city_databases.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::FakeWorld;
using testing_support::Message;

// A list that records whether anything wrote to it.
class UntouchedList final : public TimeListView {
  public:
    int writes = 0;
    void DeleteAllRows() override { ++writes; }
    int InsertRow(int, std::string_view) override { return ++writes, -1; }
    bool SetTimeText(int, std::string_view) override { return ++writes, false; }
    void RepaintWindow() override {}
};

TEST(DailyCommandDamagedDatabaseTest, ShowsTheErrorPathAndLeavesTheListAsItWas) {
    const std::vector<testing_support::DamagedDatabase> damaged =
        testing_support::MakeDamagedCityDatabasesInTemp("orvanta-app-damaged");
    ASSERT_FALSE(damaged.empty());

    for (const testing_support::DamagedDatabase& file : damaged) {
        SCOPED_TRACE(file.what);
        FakeWorld world;
        const DatabaseCityLookup cities(file.path, std::nullopt);
        const Services services{world.clock,
                                cities,
                                world.homeCity,
                                world.settings,
                                world.zones,
                                world.suggestions,
                                world.services.showMessage};
        AppRecords records;
        records.city.name = "Mecca";
        UntouchedList list;
        EXPECT_FALSE(CalculateToday(records, services, &list));
        EXPECT_EQ(world.messages, (std::vector<Message>{{"Error getting data!", "Error!"}}));
        EXPECT_EQ(list.writes, 0);
        EXPECT_EQ(records.city.name, "Mecca");
    }
    std::error_code ignored;
    fs::remove_all(damaged.front().path.parent_path(), ignored);
}

}  // namespace
}  // namespace orvanta
