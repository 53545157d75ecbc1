#include "app/daily_command.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/real_services.h"
#include "astro/time_text.h"
#include "fakes.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

using testing_support::FakeWorld;
using testing_support::Message;

// A list that keeps its rows as text and logs every operation into the world's log.
class FakeList final : public TimeListView {
  public:
    explicit FakeList(std::vector<std::string>& log) : log_(log) {}
    std::vector<std::pair<std::string, std::string>> rows;
    std::set<int> refuseInsertAt;

    void DeleteAllRows() override {
        log_.push_back("delete");
        rows.clear();
    }
    int InsertRow(int position, std::string_view nameText) override {
        log_.push_back("insert");
        if (refuseInsertAt.count(position) != 0 || position < 0) {
            return -1;
        }
        const auto at = std::min<std::size_t>(static_cast<std::size_t>(position), rows.size());
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), {std::string(nameText), ""});
        return static_cast<int>(at);
    }
    bool SetTimeText(int position, std::string_view timeText) override {
        if (position < 0 || static_cast<std::size_t>(position) >= rows.size()) {
            return false;
        }
        rows[static_cast<std::size_t>(position)].second = timeText;
        return true;
    }
    void RepaintWindow() override { log_.push_back("repaint"); }

  private:
    std::vector<std::string>& log_;
};

using Rows = std::vector<std::pair<std::string, std::string>>;

// Mecca (21 deg 25' N, 39 deg 49' E, UTC+3, no daylight saving) on 2026-03-20, by depression
// 18 deg and Shafi Asr.
const Rows kMeccaRows = {
    {"Fajr (Dawn)", "  5:11 AM"},      {"Shuruq (Sunrise)", "  6:25 AM"},
    {"Zuhr (Noon)", " 12:28 PM"},      {"Asr (Afternoon)", "  3:53 PM"},
    {"Maghrib (Sunset)", "  6:32 PM"}, {"Isha (Night)", "  7:46 PM"},
};

class DailyCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        records_.city.name = "Mecca";
        world_.zones.hours = 0.0;
    }
    bool Run() { return CalculateToday(records_, world_.services, &list_); }

    FakeWorld world_;
    AppRecords records_;
    FakeList list_{world_.log};
};

TEST_F(DailyCommandTest, WritesSixRowsInSlotOrderWithTheirTimes) {
    ASSERT_TRUE(Run());
    EXPECT_EQ(list_.rows, kMeccaRows);
    EXPECT_EQ(records_.today.year, 2026);
    EXPECT_EQ(records_.today.month, 3);
    EXPECT_EQ(records_.today.day, 20);
    EXPECT_EQ(world_.zones.asked, std::vector<std::string>{"Asia/Riyadh 2026 3.000000"});
    EXPECT_TRUE(world_.messages.empty());
}

// The daylight-saving hours come from the city's zone rules when the city names its zone, from
// the fixed window (first Sunday of April ..) otherwise. On 2026-03-20 Detroit's clocks are
// already an hour ahead, while the fixed window has not begun.
TEST_F(DailyCommandTest, NamedZoneUsesItsRulesOtherwiseTheFixedWindow) {
    struct Case {
        const char* name;
        std::string zoneName;
        CivilDate date;
        std::string zuhr;
    };
    const Case cases[] = {
        {"zone rules before the fixed window", "America/Detroit", {2026, 3, 20}, "  1:40 PM"},
        {"fixed window not yet begun", "", {2026, 3, 20}, " 12:40 PM"},
        {"fixed window in force", "", {2026, 7, 1}, "  1:36 PM"},
    };
    for (const Case& c : cases) {
        AppRecords records;
        records.city.name = "Detroit, MI";
        world_.cities.zoneName = c.zoneName;
        world_.zones.hours = 1.0;
        world_.clock.date = c.date;
        FakeList list(world_.log);
        ASSERT_TRUE(CalculateToday(records, world_.services, &list)) << c.name;
        ASSERT_EQ(list.rows.size(), 6U) << c.name;
        EXPECT_EQ(list.rows[2].second, c.zuhr) << c.name;
    }
}

// Each failure shows its messages in order, leaves the list as it was and computes nothing
// after the failing step; the repaint request comes after the messages.
TEST_F(DailyCommandTest, FailuresReportAndLeaveTheListAlone) {
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

// The real lookup over a damaged city database: "Error getting data!" alone (never "Couldn't
// find city!", never a time), and the list as it was. The kinds of damage are one table in the
// lookup's tests.
TEST_F(DailyCommandTest, DamagedCityDatabaseShowsTheErrorAndLeavesTheListAlone) {
    testing_support::ScratchFolder folder;
    const auto damaged = testing_support::MakeDamagedCityDatabases(folder.Path());
    ASSERT_FALSE(damaged.empty());
    const DatabaseCityLookup cities(damaged[1].path, std::nullopt);  // cut in half
    const Services services{world_.clock,
                            cities,
                            world_.homeCity,
                            world_.settings,
                            world_.zones,
                            world_.suggestions,
                            world_.services.showMessage};
    EXPECT_FALSE(CalculateToday(records_, services, &list_));
    EXPECT_EQ(world_.messages, (std::vector<Message>{{"Error getting data!", "Error!"}}));
    EXPECT_EQ(std::count(world_.log.begin(), world_.log.end(), "delete") +
                  std::count(world_.log.begin(), world_.log.end(), "insert"),
              0);
    EXPECT_EQ(records_.city.name, "Mecca");
}

TEST_F(DailyCommandTest, RefusedRowIsMissingAndTheOthersAreStillWritten) {
    list_.refuseInsertAt = {2};
    ASSERT_TRUE(Run());
    Rows expected = kMeccaRows;
    expected.erase(expected.begin() + 2);
    // Later rows ask for their own slot's position, which is past the end by one: appended.
    EXPECT_EQ(list_.rows, expected);
    EXPECT_TRUE(world_.messages.empty());
}

TEST_F(DailyCommandTest, WithoutAListTheCommandStillComputes) {
    EXPECT_TRUE(CalculateToday(records_, world_.services, nullptr));
    EXPECT_EQ(world_.cities.searched.size(), 1U);
    EXPECT_EQ(AddTimeRow(nullptr, 0, "Fajr (Dawn)", "  5:11 AM"), -1);
}

// The leap-year flag of the date's own year decides the row the day is computed into.
TEST_F(DailyCommandTest, DayRowOfTheDateIsComputed) {
    struct Case {
        CivilDate date;
        std::size_t index;
    };
    const Case cases[] = {
        {{2024, 2, 29}, 59},   {{2024, 3, 1}, 60}, {{2026, 3, 1}, 59},
        {{2024, 12, 31}, 365}, {{2026, 1, 1}, 0},
    };
    for (const Case& c : cases) {
        AppRecords records;
        records.city.name = "Mecca";
        world_.clock.date = c.date;
        ASSERT_TRUE(CalculateToday(records, world_.services, nullptr));
        for (std::size_t i = 0; i < records.dayTable.rows.size(); ++i) {
            const bool computed = records.dayTable.rows[i][2] != 0.0F;
            EXPECT_EQ(computed, i == c.index)
                << c.date.year << "-" << c.date.month << "-" << c.date.day << " row " << i;
        }
    }
}

TEST_F(DailyCommandTest, TimeThatDoesNotExistShowsCantDetermine) {
    // At 65 deg N in June the sun never goes 18 degrees below the horizon.
    AppRecords north;
    north.city.latitudeRad = 1.1344640137963142;
    north.yearElements = ComputeYearElements(2026);
    north.calendar.calendar = ComputeYearCalendar(2026, 0);
    ShowDayTimes(north, &list_, 2026, 6, 21);
    ASSERT_EQ(list_.rows.size(), 6U);
    EXPECT_EQ(list_.rows[0].second, std::string(kCantDetermineText));
    EXPECT_EQ(list_.rows[5].second, std::string(kCantDetermineText));
    EXPECT_NE(list_.rows[1].second, std::string(kCantDetermineText));
}

// A preset goes through the method's table: Umm al-Qura's Isha is 90 minutes after Maghrib on
// 20 March 2026 (1 Shawwal 1447), and the other times stay the sun's.
TEST_F(DailyCommandTest, PresetInForceGivesItsOwnIsha) {
    records_.method.choice.presetId = "umm-al-qura";
    ASSERT_TRUE(Run());
    ASSERT_EQ(list_.rows.size(), 6u);
    EXPECT_EQ(list_.rows[2], kMeccaRows[2]);
    EXPECT_EQ(list_.rows[4], kMeccaRows[4]);
    EXPECT_EQ(list_.rows[5].second, "  8:02 PM");
}

}  // namespace
}  // namespace orvanta
