// orvanta-times cities: search, home, add and remove over a copy of the shipped city database
// and a per-user database in a temporary folder. The city database is only ever read.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cities/city_database_path.h"
#include "cities/city_finder.h"
#include "cities/home_city_store.h"
#include "cities/sqlite_city_store.h"
#include "run_times.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

class CitiesCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("orvanta-cities-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        shipped_ = folder_ / "cities.db";
        fs::copy_file(ShippedCityDatabasePath(), shipped_);
        fs::permissions(shipped_, fs::perms::owner_read | fs::perms::group_read);
        user_ = folder_ / "data" / "user.db";
        shippedBytes_ = ReadAll(shipped_);
        shippedTime_ = fs::last_write_time(shipped_);
    }

    void TearDown() override {
        // Whatever the test did, the shipped database is exactly as it was.
        EXPECT_EQ(ReadAll(shipped_), shippedBytes_);
        EXPECT_EQ(fs::last_write_time(shipped_), shippedTime_);
        EXPECT_FALSE(fs::exists(folder_ / "cities.db-journal"));
        EXPECT_FALSE(fs::exists(folder_ / "cities.db-wal"));
        fs::remove_all(folder_);
    }

    using Result = testing_support::RunResult;

    Result RunTool(const std::vector<std::string>& args) {
        const HomeCityStore home(user_);
        const SqliteCityStore store(shipped_, true, user_);
        TimesServices services;
        services.today = [] { return CivilDate{2024, 6, 20}; };
        services.homeCity = &home;
        services.cities = &store;
        services.cityDatabasePath = shipped_;
        services.userDatabasePath = user_;
        services.cityDatabaseDescription = shipped_.string();
        return testing_support::RunTimes(args, services);
    }

    // Runs a command that must fail: its status, one line on standard error, nothing on
    // standard output.
    void ExpectFailure(const std::vector<std::string>& args, int status) {
        const Result result = RunTool(args);
        std::string joined;
        for (const std::string& arg : args) {
            joined += arg + " ";
        }
        EXPECT_EQ(result.status, status) << joined << result.err;
        EXPECT_EQ(result.out, "") << joined;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1)
            << joined << result.err;
        EXPECT_EQ(result.err.rfind("orvanta-times: ", 0), 0u) << result.err;
    }

    // The timetable lines after the header.
    static std::string Body(const std::string& text) { return text.substr(text.find("\n\n")); }

    fs::path folder_;
    fs::path shipped_;
    fs::path user_;
    std::string shippedBytes_;
    fs::file_time_type shippedTime_;
};

TEST_F(CitiesCommandTest, AUserCityIsFoundBeforeTheShippedOneUntilRemoved) {
    const Result shipped = RunTool({"--city", "Mecca", "--date", "2024-03-10"});
    ASSERT_EQ(shipped.status, 0) << shipped.err;

    const Result added = RunTool({"cities", "add", "Mecca", "--lat", "-33.5", "--lon", "151.25",
                                  "--tz", "Australia/Sydney"});
    ASSERT_EQ(added.status, 0) << added.err;
    // Found under a folded spelling too, with the user's coordinates and zone.
    const Result mine = RunTool({"--city", "MECCA", "--date", "2024-03-10"});
    ASSERT_EQ(mine.status, 0) << mine.err;
    EXPECT_NE(mine.out.find("Position: 33\u00B030\u2032 S 151\u00B015\u2032 E"), std::string::npos)
        << mine.out;
    const Result byCoordinates = RunTool(
        {"--lat", "-33.5", "--lon", "151.25", "--tz", "Australia/Sydney", "--date", "2024-03-10"});
    EXPECT_EQ(Body(mine.out), Body(byCoordinates.out));

    // A second city of the same (folded) name is refused; the first stays.
    ExpectFailure({"cities", "add", "mecca", "--lat", "1", "--lon", "1", "--tz", "UTC"}, 2);
    EXPECT_EQ(Body(RunTool({"--city", "Mecca", "--date", "2024-03-10"}).out), Body(mine.out));

    const Result removed = RunTool({"cities", "remove", "mecca"});
    ASSERT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(RunTool({"--city", "Mecca", "--date", "2024-03-10"}).out, shipped.out);
    ExpectFailure({"cities", "remove", "Mecca"}, 1);
}

TEST_F(CitiesCommandTest, AVillageAddedByCoordinatesGivesItsTimes) {
    ASSERT_EQ(RunTool({"cities", "add", "Kfar Qasem", "--lat", "32.11", "--lon", "34.98", "--tz",
                       "Asia/Jerusalem"})
                  .status,
              0);
    const Result village =
        RunTool({"--city", "kfar qasem", "--month", "2024-03", "--format", "csv"});
    ASSERT_EQ(village.status, 0) << village.err;
    // Stored to the arc minute: 32°07′ N 34°59′ E.
    const Result same =
        RunTool({"--lat", "32.11666666666667", "--lon", "34.983333333333334", "--tz",
                 "Asia/Jerusalem", "--month", "2024-03", "--format", "csv"});
    EXPECT_EQ(village.out, same.out);
    const Result search = RunTool({"cities", "search", "kfar"});
    ASSERT_EQ(search.status, 0) << search.err;
    EXPECT_NE(search.out.find("Kfar Qasem"), std::string::npos);
    EXPECT_NE(search.out.find("(your city)"), std::string::npos);
}

TEST_F(CitiesCommandTest, SearchListsPrefixMatchesMostPopulousFirst) {
    const Result sao = RunTool({"cities", "search", "sao"});
    ASSERT_EQ(sao.status, 0) << sao.err;
    std::istringstream lines(sao.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("City", 0), 0u);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first.rfind("S\u00E3o Paulo", 0), 0u) << sao.out;
    EXPECT_NE(first.find("Brazil"), std::string::npos);
    EXPECT_NE(first.find("America/Sao_Paulo"), std::string::npos);
    EXPECT_NE(first.find("23\u00B0"), std::string::npos);
    int rows = 0;
    for (std::string line; std::getline(lines, line);) {
        ++rows;
    }
    EXPECT_LE(rows + 1, 20);

    const Result limited = RunTool({"cities", "search", "s", "--limit", "3"});
    ASSERT_EQ(limited.status, 0);
    EXPECT_EQ(std::count(limited.out.begin(), limited.out.end(), '\n'), 4);
    ExpectFailure({"cities", "search", "qqqzzzxx"}, 1);
    ExpectFailure({"cities", "search", "s", "--limit", "0"}, 2);
    ExpectFailure({"cities", "search", "s", "--limit", "many"}, 2);
}

// Names people type for the larger places. What `cities search` offers first is what `--city`
// takes: Chennai (4.7 million people) for "Madras" rather than Madras, Oregon (6,700). An old
// name never takes a sizable place's own name: "Salem" (an old name of Jerusalem) is Salem,
// India; "Sion" is Sion, Switzerland, offered before the larger cities whose other names
// begin "Sion".
TEST_F(CitiesCommandTest, NamesPeopleTypeAreFoundAndTheFirstOfferIsTheCityTaken) {
    struct Row {
        const char* typed;
        const char* expected;
    };
    const Row rows[] = {
        {"Makkah", "Mecca"},
        {"\u0645\u0643\u0629", "Mecca"},  // Arabic
        {"Madinah", "Medina"},
        {"Al-Madinah", "Medina"},
        {"Al Quds", "Jerusalem"},
        {"Al Qahirah", "Cairo"},
        {"Bombay, India", "Mumbai"},
        {"Kiev", "Kyiv"},
        {"M\u00FCnchen", "Munich"},
        {"Teheran", "Tehran"},
        {"Saigon", "Ho Chi Minh City"},
        {"Cracow", "Krak\u00F3w"},
        {"Madras", "Chennai"},
        {"Salem", "Salem"},
        {"Sion", "Sitten"},
        {"Medina", "Medina"},
        // Small places whose own names GeoNames also lists for a larger place (London, Rio de
        // Janeiro, Tashkent, Manama, Konya, Malabo) keep them: a stored name never moves.
        {"Landen", "Landen"},
        {"Río", "Río"},
        {"Taşkent", "Taşkent"},
        {"Al Manāmah", "Al Manāmah"},
        {"Konia", "Konia"},
        {"Malaba", "Malaba"},
    };
    const SqliteCityStore store(shipped_, true, std::nullopt);
    for (const Row& row : rows) {
        CityLocation city;
        city.name = row.typed;
        EXPECT_EQ(store.LookUp(city, nullptr), CityLookupStatus::Found) << row.typed;
        EXPECT_EQ(city.name, row.expected) << row.typed;
        const CitySearchResult offers = FindCitiesByPrefix(shipped_, std::nullopt, row.typed, 1);
        ASSERT_EQ(offers.failure, CitySearchFailure::kNone) << row.typed;
        ASSERT_EQ(offers.rows.size(), 1u) << row.typed;
        EXPECT_EQ(offers.rows.front().name, row.expected) << row.typed;
    }
}

TEST_F(CitiesCommandTest, HomeStoresTheDatabasesNameAndIsUsedByDefault) {
    const Result set = RunTool({"cities", "home", "  detroit,   mi "});
    ASSERT_EQ(set.status, 0) << set.err;
    CityLocation city;
    ASSERT_TRUE(HomeCityStore(user_).ReadHomeCity(city));
    EXPECT_EQ(city.name, "Detroit, MI");
    const Result today = RunTool({});
    ASSERT_EQ(today.status, 0) << today.err;
    EXPECT_NE(today.out.find("City:     Detroit, MI"), std::string::npos);

    ExpectFailure({"cities", "home", "Qqqzzz Nowhere"}, 1);
    EXPECT_TRUE(HomeCityStore(user_).ReadHomeCity(city));
    EXPECT_EQ(city.name, "Detroit, MI") << "a refused name leaves the home city";

    ASSERT_EQ(RunTool({"cities", "home", "--clear"}).status, 0);
    EXPECT_FALSE(HomeCityStore(user_).ReadHomeCity(city));
}

TEST_F(CitiesCommandTest, RefusedCommandsGiveTheirStatusAndNothingOnOutput) {
    ExpectFailure({"cities"}, 2);
    ExpectFailure({"cities", "fly"}, 2);
    ExpectFailure({"cities", "home"}, 2);
    ExpectFailure({"cities", "home", "Mecca", "--clear"}, 2);
    ExpectFailure({"--city", "Mecca", "cities", "search", "me"}, 2);
    ExpectFailure({"cities", "add", "Village", "--lat", "1", "--lon", "1"}, 2);
    ExpectFailure({"cities", "add", "Village", "--lat", "91", "--lon", "1", "--tz", "UTC"}, 2);
    ExpectFailure({"cities", "add", "Village", "--lat", "1", "--lon", "-181", "--tz", "UTC"}, 2);
    ExpectFailure({"cities", "add", "Village", "--lat", "1", "--lon", "1", "--tz", "Mars/Base"}, 2);
    ExpectFailure({"cities", "add", "   ", "--lat", "1", "--lon", "1", "--tz", "UTC"}, 2);
    ExpectFailure({"cities", "remove", "Nowhere"}, 1);
    EXPECT_FALSE(fs::exists(user_)) << "nothing refused creates the user database";

    fs::permissions(shipped_, fs::perms::owner_all);
    fs::remove(shipped_);
    ExpectFailure({"cities", "search", "me"}, 1);
    ExpectFailure({"cities", "add", "Village", "--lat", "1", "--lon", "1", "--tz", "UTC"}, 1);
    ExpectFailure({"cities", "home", "Mecca"}, 1);
    ExpectFailure({"--city", "Mecca"}, 1);
    // Put the file back for the check in TearDown.
    std::ofstream(shipped_, std::ios::binary) << shippedBytes_;
    fs::last_write_time(shipped_, shippedTime_);
}

}  // namespace
}  // namespace orvanta
