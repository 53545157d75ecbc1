// orvanta-times cities: search, home, add and remove over a small city database and a per-user
// database in a scratch home. The city database is only ever read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_times.h"

namespace orvanta {
namespace {

using testing_support::CliHome;
using testing_support::ReadBytes;
using Result = testing_support::RunResult;

// The timetable lines after the header.
std::string Body(const std::string& text) {
    return text.substr(text.find("\n\n"));
}

TEST(CitiesCommand, AUserCityIsFoundBeforeTheShippedOneUntilRemoved) {
    const CliHome home;
    ASSERT_TRUE(home.Built());
    const std::string shippedBytes = ReadBytes(home.cities);
    const std::vector<std::string> mecca = {"--city", "Mecca", "--date", "2024-03-10"};
    const Result shipped = home.Run(mecca);
    ASSERT_EQ(shipped.status, 0) << shipped.err;

    const Result added = home.Run({"cities", "add", "Mecca", "--lat", "-33.5", "--lon", "151.25",
                                   "--tz", "Australia/Sydney"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "Added Mecca\n");
    // Found under a folded spelling too, with the user's coordinates and zone.
    const Result mine = home.Run({"--city", "MECCA", "--date", "2024-03-10"});
    ASSERT_EQ(mine.status, 0) << mine.err;
    EXPECT_NE(mine.out.find("Position: 33\u00B030\u2032 S 151\u00B015\u2032 E"), std::string::npos)
        << mine.out;
    const Result byCoordinates = home.Run(
        {"--lat", "-33.5", "--lon", "151.25", "--tz", "Australia/Sydney", "--date", "2024-03-10"});
    EXPECT_EQ(Body(mine.out), Body(byCoordinates.out));

    // A second city of the same (folded) name is refused; the first stays.
    const Result again =
        home.Run({"cities", "add", "mecca", "--lat", "1", "--lon", "1", "--tz", "UTC"});
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(again.err, "orvanta-times: you already have a city named \"mecca\"\n");
    EXPECT_EQ(Body(home.Run(mecca).out), Body(mine.out));

    const Result removed = home.Run({"cities", "remove", "mecca"});
    ASSERT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(home.Run(mecca).out, shipped.out);
    EXPECT_EQ(home.Run({"cities", "remove", "Mecca"}).status, 1);
    EXPECT_EQ(ReadBytes(home.cities), shippedBytes);
}

// Stored to the arc minute: 32.11 N 34.98 E is 32°07′ N 34°59′ E.
TEST(CitiesCommand, AVillageAddedByCoordinatesGivesItsTimesAndIsListedAsYours) {
    const CliHome home;
    ASSERT_EQ(home.Run({"cities", "add", "Kfar Qasem", "--lat", "32.11", "--lon", "34.98", "--tz",
                        "Asia/Jerusalem"})
                  .status,
              0);
    const Result village =
        home.Run({"--city", "kfar qasem", "--month", "2024-03", "--format", "csv"});
    ASSERT_EQ(village.status, 0) << village.err;
    const Result same =
        home.Run({"--lat", "32.11666666666667", "--lon", "34.983333333333334", "--tz",
                  "Asia/Jerusalem", "--month", "2024-03", "--format", "csv"});
    EXPECT_EQ(village.out, same.out);
    const Result search = home.Run({"cities", "search", "kfar"});
    EXPECT_EQ(testing_support::Lines(search.out).at(1),
              "Kfar Qasem  (your city)           32\u00B007\u2032 N  34\u00B059\u2032 E  "
              "Asia/Jerusalem");
}

TEST(CitiesCommand, SearchListsAnAlignedTableOfAtMostTheLimit) {
    const CliHome home;
    ASSERT_TRUE(home.Built());
    const Result mecca = home.Run({"cities", "search", "mec"});
    ASSERT_EQ(mecca.status, 0) << mecca.err;
    EXPECT_EQ(
        mecca.out,
        "City   Country       Region  Position             Zone\n"
        "Mecca  Saudi Arabia  Makkah   21\u00B025\u2032 N  39\u00B049\u2032 E  Asia/Riyadh\n");
    const Result detroit = home.Run({"cities", "search", "det"});
    EXPECT_NE(detroit.out.find(" 42\u00B020\u2032 N  83\u00B003\u2032 W  America/Detroit\n"),
              std::string::npos)
        << detroit.out;
    // 25 towns begin with "town": 20 by default, else the limit.
    const Result towns = home.Run({"cities", "search", "town"});
    EXPECT_EQ(std::count(towns.out.begin(), towns.out.end(), '\n'), 1 + 20);
    const Result three = home.Run({"cities", "search", "town", "--limit", "3"});
    EXPECT_EQ(std::count(three.out.begin(), three.out.end(), '\n'), 1 + 3);
}

// Without a home city the settings' city (by default Detroit, MI) applies.
TEST(CitiesCommand, HomeStoresTheDatabasesNameAndIsUsedByDefault) {
    const CliHome home;
    const Result set = home.Run({"cities", "home", "  MECCA "});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "Home city: Mecca\n");
    const Result today = home.Run({});
    ASSERT_EQ(today.status, 0) << today.err;
    EXPECT_EQ(today.out.rfind("City:     Mecca\n", 0), 0u) << today.out;

    EXPECT_EQ(home.Run({"cities", "home", "Qqqzzz Nowhere"}).status, 1);
    EXPECT_EQ(home.Run({}).out, today.out) << "a refused name leaves the home city";

    EXPECT_EQ(home.Run({"cities", "home", "--clear"}).out, "No home city\n");
    EXPECT_EQ(home.Run({}).out.rfind("City:     Detroit, MI\n", 0), 0u);
}

}  // namespace
}  // namespace orvanta
