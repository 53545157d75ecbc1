// The window's daily calculation, as its list shows it: worked times, the day's row of the
// year, each failure and what it leaves, the real database.
#include "app/day/daily_command.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/system/real_services.h"
#include "app/text/city_database_details.h"
#include "astro/time_text.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/scratch_database.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::Message;
using testing_support::TextRows;

// Mecca (21 deg 25' N, 39 deg 49' E, UTC+3, no daylight saving) on 2026-03-20, a Friday (Zuhr
// is Jumu'ah), by depression 18 deg and Shafi Asr: the NOAA solar equations computed separately.
const TextRows kMeccaRows = {
    {"Fajr (Dawn)", "  5:11 AM"},      {"Shuruq (Sunrise)", "  6:25 AM"},
    {"Jumu'ah (Friday)", " 12:28 PM"}, {"Asr (Afternoon)", "  3:53 PM"},
    {"Maghrib (Sunset)", "  6:32 PM"}, {"Isha (Night)", "  7:46 PM"},
};

using DailyCommand = testing_support::WindowTest;

// The daylight-saving hours come from the city's zone rules when the city names its zone, from
// the fixed window (first Sunday of April ..) otherwise: on 2026-03-20 Detroit's clocks are
// already an hour ahead, while the fixed window has not begun. A preset goes through its own
// table: Umm al-Qura's Isha is 90 minutes after Maghrib on 1 Shawwal 1447. With the night's
// times, Imsak is 10 minutes before Fajr, and the night from sunset (6:32 PM) to the next
// sunrise (about 6:24 AM) has its middle at 0:28 AM and its last third at 2:27 AM.
TEST_F(DailyCommand, WorkedDays) {
    struct Case {
        const char* city;
        const char* zoneName;  // Detroit's; none: the fixed window
        CivilDate date;
        const char* preset;
        TextRows expected;   // the rows whose time is given
        bool night = false;  // the night's times shown
    };
    const TextRows ummAlQura = {kMeccaRows[2], kMeccaRows[4], {"Isha (Night)", "  8:02 PM"}};
    const TextRows noon1240 = {{"Jumu'ah (Friday)", " 12:40 PM"}};
    const TextRows noon140 = {{"Jumu'ah (Friday)", "  1:40 PM"}};
    const TextRows night = {{"Fajr (Dawn)", "  5:09 AM"},
                            {"Imsak", "  4:59 AM"},
                            {"Midnight", "  0:28 AM"},
                            {"Last third of the night", "  2:27 AM"}};
    const std::string cant(kCantDetermineText);
    const Case cases[] = {
        {"Mecca", "", {2026, 3, 20}, "classic", kMeccaRows},
        {"Mecca", "", {2026, 3, 20}, "umm-al-qura", ummAlQura},
        {"Mecca", "", {2026, 3, 20}, "umm-al-qura", night, true},
        {"Detroit, MI", "America/Detroit", {2026, 3, 20}, "classic", noon140},
        {"Detroit, MI", "", {2026, 3, 20}, "classic", noon1240},
        {"Detroit, MI", "", {2026, 7, 1}, "classic", {{"Zuhr (Noon)", "  1:36 PM"}}},
        // At 64 deg N in June the sun never goes 18 degrees below the horizon.
        {"Nuuk", "", {2026, 6, 21}, "classic", {{"Fajr (Dawn)", cant}, {"Isha (Night)", cant}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.city) + " " + c.zoneName + " " + c.preset);
        world_.detroitZone = c.zoneName;
        world_.dstHours = std::string(c.zoneName).empty() ? 0.0 : 1.0;
        Start(c.city, c.date, c.preset);
        if (c.night) {
            records_.display.nightTimes = true;
            Run("toolsCalculate");
        }
        EXPECT_TRUE(world_.messages.empty());
        const TextRows rows = Rows();
        ASSERT_EQ(rows.size(), c.night ? 9U : 6U);
        for (const auto& row : c.expected) {
            EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row.second;
        }
        EXPECT_EQ(records_.today.day, c.date.day);
    }
}

// Each failure shows its messages in order and leaves the list and the date as they were.
TEST_F(DailyCommand, FailuresReportAndLeaveTheListAlone) {
    const Message errorGettingData{"Error getting data!", "Error!"};
    const Message notFound{"Couldn't find city!", "Error"};
    using Break = void (*)(testing_support::FakeWorld&, AppRecords&);
    struct Case {
        const char* name;
        Break breakIt;
        std::vector<Message> messages;
    };
    const Break noDate = [](auto& w, auto&) { w.date.reset(); };
    const Break badDate = [](auto& w, auto&) { w.date = CivilDate{2026, 2, 30}; };
    const Break atlantis = [](auto&, auto& r) { r.city.name = "Atlantis"; };
    const Break noDatabase = [](auto& w, auto&) { w.citiesUnavailable = true; };
    const Break noZones = [](auto& w, auto&) { w.zonesFail = true; };
    const Case cases[] = {
        {"clock gives no date", noDate, {errorGettingData}},
        {"clock gives an impossible date", badDate, {errorGettingData}},
        {"unknown city", atlantis, {notFound, errorGettingData}},
        {"database unreadable", noDatabase, {errorGettingData}},
        {"no zone rules", noZones, {errorGettingData}},
    };
    world_.dstHours = 0.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        world_.citiesUnavailable = false;
        world_.zonesFail = false;
        Start("Mecca", {2026, 3, 20});
        c.breakIt(world_, records_);
        Run("toolsCalculate");
        EXPECT_EQ(world_.messages, c.messages);
        EXPECT_EQ(Rows(), kMeccaRows);
        EXPECT_EQ(records_.today.day, 20);
        EXPECT_EQ(records_.window.datePicker->date(), QDate(2026, 3, 20));
    }
}

// The real lookup: a damaged city database (the kinds of damage are one table in the lookup's
// tests) shows "Error getting data!" alone, never "Couldn't find city!"; when none was found,
// that message lists the paths tried in its details and other messages carry none.
TEST_F(DailyCommand, UnusableCityDatabaseShowsTheErrorWithThePathsTried) {
    testing_support::ScratchFolder folder;
    const auto damaged = testing_support::MakeDamagedCityDatabases(folder.Path());
    ASSERT_FALSE(damaged.empty()) << "ORVANTA_SOURCE_DIR must name the source folder";
    CityDatabaseLocation missing;
    missing.path = "/nowhere/opt/share/orvanta/cities.db";
    missing.tried = {missing.path, "/nowhere/xdg/orvanta/cities.db"};
    const std::string tried =
        "The city database cities.db was not found. Paths tried:\n"
        "/nowhere/opt/share/orvanta/cities.db\n/nowhere/xdg/orvanta/cities.db\n";
    const CityDatabaseLocation cutInHalf{damaged[1].path, {damaged[1].path}, true};
    world_.stored.configuredCity = "Mecca";
    for (const auto& [database, details] :
         {std::pair{cutInHalf, std::string()}, std::pair{missing, tried}}) {
        std::vector<std::string> shown;  // text|caption|details
        const MessageFn show = WithCityDatabaseDetails(
            [&shown](std::string_view text, std::string_view caption, std::string_view more) {
                shown.push_back(std::string(text) + "|" + std::string(caption) + "|" +
                                std::string(more));
            },
            database);
        const DatabaseCityLookup cities(database.path, std::nullopt);
        const Services real{world_, cities, world_, world_, world_, world_, show};
        AppRecords records;
        const MainWindow window(records, real, {});
        show("Couldn't find city!", "Error");
        EXPECT_EQ(shown, (std::vector<std::string>{"Error getting data!|Error!|" + details,
                                                   "Couldn't find city!|Error|"}));
        EXPECT_TRUE(testing_support::RowsOf(records.window.listView).empty());
        EXPECT_EQ(records.city.name, "Mecca");
    }
}

}  // namespace
}  // namespace orvanta
