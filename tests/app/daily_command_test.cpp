// The window's daily calculation: worked times, the day's row of the year, each failure and
// what it leaves, the real database.
#include "app/daily_command.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/city_database_details.h"
#include "app/real_services.h"
#include "astro/time_text.h"
#include "fakes.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/scratch_database.h"
#include "timetable/timetable.h"

namespace orvanta {
namespace {

using testing_support::FakeWorld;
using testing_support::Message;
using Rows = std::vector<std::pair<std::string, std::string>>;

// A list that keeps its rows as text and logs clearing and inserting into the world's log.
class FakeList final : public TimeListView {
  public:
    explicit FakeList(std::vector<std::string>& log) : log_(log) {}
    Rows rows;

    void DeleteAllRows() override {
        log_.push_back("delete");
        rows.clear();
    }
    int InsertRow(int position, std::string_view nameText) override {
        log_.push_back("insert");
        const auto at = std::min<std::size_t>(static_cast<std::size_t>(position), rows.size());
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), {std::string(nameText), ""});
        return static_cast<int>(at);
    }
    bool SetTimeText(int position, std::string_view timeText) override {
        rows.at(static_cast<std::size_t>(position)).second = timeText;
        return true;
    }
    void RepaintWindow() override { log_.push_back("repaint"); }

  private:
    std::vector<std::string>& log_;
};

// Mecca (21 deg 25' N, 39 deg 49' E, UTC+3, no daylight saving) on 2026-03-20, by depression
// 18 deg and Shafi Asr: the NOAA solar equations computed separately.
const Rows kMeccaRows = {
    {"Fajr (Dawn)", "  5:11 AM"},      {"Shuruq (Sunrise)", "  6:25 AM"},
    {"Zuhr (Noon)", " 12:28 PM"},      {"Asr (Afternoon)", "  3:53 PM"},
    {"Maghrib (Sunset)", "  6:32 PM"}, {"Isha (Night)", "  7:46 PM"},
};

// The daylight-saving hours come from the city's zone rules when the city names its zone, from
// the fixed window (first Sunday of April ..) otherwise: on 2026-03-20 Detroit's clocks are
// already an hour ahead, while the fixed window has not begun. A preset goes through its own
// table: Umm al-Qura's Isha is 90 minutes after Maghrib on 1 Shawwal 1447.
TEST(DailyCommand, WorkedDays) {
    struct Case {
        const char* city;
        const char* zoneName;  // Detroit's; none: the fixed window
        CivilDate date;
        const char* preset;
        Rows expected;  // the rows whose time is given
    };
    const Rows ummAlQura = {kMeccaRows[2], kMeccaRows[4], {"Isha (Night)", "  8:02 PM"}};
    const Case cases[] = {
        {"Mecca", "", {2026, 3, 20}, "classic", kMeccaRows},
        {"Mecca", "", {2026, 3, 20}, "umm-al-qura", ummAlQura},
        {"Detroit, MI",
         "America/Detroit",
         {2026, 3, 20},
         "classic",
         {{"Zuhr (Noon)", "  1:40 PM"}}},
        {"Detroit, MI", "", {2026, 3, 20}, "classic", {{"Zuhr (Noon)", " 12:40 PM"}}},
        {"Detroit, MI", "", {2026, 7, 1}, "classic", {{"Zuhr (Noon)", "  1:36 PM"}}},
    };
    for (const Case& c : cases) {
        FakeWorld world;
        world.cities.zoneName = c.zoneName;
        world.zones.hours = std::string(c.zoneName).empty() ? 0.0 : 1.0;
        world.clock.date = c.date;
        AppRecords records;
        records.city.name = c.city;
        records.method.choice.presetId = c.preset;
        FakeList list(world.log);
        const std::string name = std::string(c.city) + " " + c.zoneName + " " + c.preset;
        ASSERT_TRUE(CalculateToday(records, world.services, &list)) << name;
        ASSERT_EQ(list.rows.size(), 6U) << name;
        for (const auto& row : c.expected) {
            EXPECT_NE(std::find(list.rows.begin(), list.rows.end(), row), list.rows.end())
                << name << ": " << row.first << row.second;
        }
        EXPECT_EQ(list.rows[0].first, "Fajr (Dawn)");
        EXPECT_EQ(records.today.day, c.date.day);
        EXPECT_TRUE(world.messages.empty()) << name;
    }
    // The zone rules are asked for the city's zone, the date's year and the standard offset.
    FakeWorld world;
    AppRecords records;
    records.city.name = "Detroit, MI";
    ASSERT_TRUE(CalculateToday(records, world.services, nullptr));
    EXPECT_EQ(world.zones.asked, std::vector<std::string>{"America/Detroit 2026 -5.000000"});
}

// Each failure shows its messages in order, leaves the list as it was and computes nothing
// after the failing step; the repaint request comes after the messages.
TEST(DailyCommand, FailuresReportAndLeaveTheListAlone) {
    const Message errorGettingData{"Error getting data!", "Error!"};
    const Message notFound{"Couldn't find city!", "Error"};
    struct Case {
        const char* name;
        void (*breakIt)(FakeWorld&, AppRecords&);
        std::vector<Message> messages;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"clock gives no date",
         [](FakeWorld& w, AppRecords&) { w.clock.date.reset(); },
         {errorGettingData},
         {"clock", "message", "repaint"}},
        {"clock gives an impossible date",
         [](FakeWorld& w, AppRecords&) {
             w.clock.date = CivilDate{2026, 2, 30};
         },
         {errorGettingData},
         {"clock", "message", "repaint"}},
        {"city not in the database",
         [](FakeWorld&, AppRecords& r) { r.city.name = "Atlantis"; },
         {notFound, errorGettingData},
         {"clock", "lookup", "message", "message", "repaint"}},
        {"database unreadable",
         [](FakeWorld& w, AppRecords&) { w.cities.unavailable = true; },
         {errorGettingData},
         {"clock", "lookup", "message", "repaint"}},
        {"zone rules unreadable",
         [](FakeWorld& w, AppRecords&) { w.zones.fail = true; },
         {errorGettingData},
         {"clock", "lookup", "zones", "message", "repaint"}},
    };
    for (const Case& c : cases) {
        FakeWorld world;
        world.zones.hours = 0.0;
        AppRecords records;
        records.city.name = "Mecca";
        FakeList list(world.log);
        ASSERT_TRUE(CalculateToday(records, world.services, &list)) << c.name;
        const TodayDate before = records.today;

        c.breakIt(world, records);
        world.log.clear();
        world.messages.clear();
        EXPECT_FALSE(CalculateToday(records, world.services, &list)) << c.name;
        EXPECT_EQ(world.messages, c.messages) << c.name;
        EXPECT_EQ(world.log, c.log) << c.name;
        EXPECT_EQ(list.rows, kMeccaRows) << c.name;
        EXPECT_EQ(records.today.day, before.day) << c.name;
    }
}

// The real lookup: a damaged city database (the kinds of damage are one table in the lookup's
// tests) shows "Error getting data!" alone, never "Couldn't find city!"; when none was found,
// that message lists the paths tried in its details and other messages carry none.
TEST(DailyCommand, UnusableCityDatabaseShowsTheErrorWithThePathsTried) {
    testing_support::ScratchFolder folder;
    const auto damaged = testing_support::MakeDamagedCityDatabases(folder.Path());
    ASSERT_FALSE(damaged.empty());
    CityDatabaseLocation missing;
    missing.path = "/nowhere/opt/share/orvanta/cities.db";
    missing.tried = {missing.path, "/nowhere/xdg/orvanta/cities.db"};
    const std::string tried =
        "The city database cities.db was not found. Paths tried:\n"
        "/nowhere/opt/share/orvanta/cities.db\n/nowhere/xdg/orvanta/cities.db\n";
    const CityDatabaseLocation cutInHalf{damaged[1].path, {damaged[1].path}, true};
    for (const auto& [database, details] :
         {std::pair{cutInHalf, std::string()}, std::pair{missing, tried}}) {
        FakeWorld world;
        std::vector<std::string> shown;  // text|caption|details
        const MessageFn show = WithCityDatabaseDetails(
            [&shown](std::string_view text, std::string_view caption, std::string_view more) {
                shown.push_back(std::string(text) + "|" + std::string(caption) + "|" +
                                std::string(more));
            },
            database);
        const DatabaseCityLookup cities(database.path, std::nullopt);
        const Services real{world.clock,       cities, world.homeCity, world.settings, world.zones,
                            world.suggestions, show};
        AppRecords records;
        records.city.name = "Mecca";
        FakeList list(world.log);
        EXPECT_FALSE(CalculateToday(records, real, &list));
        show("Couldn't find city!", "Error");
        EXPECT_EQ(shown, (std::vector<std::string>{"Error getting data!|Error!|" + details,
                                                   "Couldn't find city!|Error|"}));
        EXPECT_EQ(std::count(world.log.begin(), world.log.end(), "delete") +
                      std::count(world.log.begin(), world.log.end(), "insert"),
                  0);
        EXPECT_EQ(records.city.name, "Mecca");
    }
}

// The leap-year flag of the date's own year decides the row the day is computed into.
TEST(DailyCommand, DayRowOfTheDateIsComputed) {
    struct Case {
        CivilDate date;
        std::size_t index;
    };
    const Case cases[] = {
        {{2024, 2, 29}, 59},   {{2024, 3, 1}, 60}, {{2026, 3, 1}, 59},
        {{2024, 12, 31}, 365}, {{2026, 1, 1}, 0},
    };
    for (const Case& c : cases) {
        FakeWorld world;
        AppRecords records;
        records.city.name = "Mecca";
        world.clock.date = c.date;
        ASSERT_TRUE(CalculateToday(records, world.services, nullptr));
        for (std::size_t i = 0; i < records.dayTable.rows.size(); ++i) {
            const bool computed = records.dayTable.rows[i][2] != 0.0F;
            EXPECT_EQ(computed, i == c.index)
                << c.date.year << "-" << c.date.month << "-" << c.date.day << " row " << i;
        }
    }
}

TEST(DailyCommand, TimeThatDoesNotExistShowsCantDetermine) {
    // At 65 deg N in June the sun never goes 18 degrees below the horizon.
    AppRecords north;
    north.city.latitudeRad = 1.1344640137963142;
    north.yearElements = ComputeYearElements(2026);
    north.calendar.calendar = ComputeYearCalendar(2026, 0);
    std::vector<std::string> log;
    FakeList list(log);
    ShowDayTimes(north, &list, 2026, 6, 21);
    ASSERT_EQ(list.rows.size(), 6U);
    EXPECT_EQ(list.rows[0].second, std::string(kCantDetermineText));
    EXPECT_EQ(list.rows[5].second, std::string(kCantDetermineText));
    EXPECT_NE(list.rows[1].second, std::string(kCantDetermineText));
}

}  // namespace
}  // namespace orvanta
