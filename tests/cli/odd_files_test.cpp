// orvanta-times over the real stores, as the program wires them, when the user's files are not
// what they seem: FIFOs at registry.reg and user.db (the run must end, saying so once), a user.db
// with one damaged page (moved aside, said once, the shipped cities still found), a settings
// file that cannot be parsed (said at every run that uses it).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cities/home_city_store.h"
#include "cities/sqlite_city_store.h"
#include "run_times.h"
#include "settings/settings_disk_file.h"
#include "tests/support/bounded_child.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/damaged_user_database.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

class OddFilesCliTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.Path().empty());
        const char* source = std::getenv("ORVANTA_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        ASSERT_TRUE(testing_support::MakeSoundCityDatabase(source, shipped_));
        fs::create_directories(user_.parent_path());
        fs::create_directories(settings_.parent_path());
    }

    // Runs orvanta-times in a child that an alarm ends: "<status>\n<out>--\n<err>", or "hung".
    std::string Run(const std::vector<std::string>& args) {
        return testing_support::RunInBoundedChild([&] {
                   NoticeList notices;
                   DiskSettingsFile saved(settings_);
                   const HomeCityStore home(user_, &notices);
                   const SqliteCityStore cities(shipped_, true, user_, &notices);
                   TimesServices services;
                   services.today = [] { return CivilDate{2026, 3, 20}; };
                   services.savedSettings = &saved;
                   services.homeCity = &home;
                   services.cities = &cities;
                   services.cityDatabasePath = shipped_;
                   services.cityDatabaseDescription = shipped_.string();
                   services.userDatabasePath = user_;
                   services.notices = &notices;
                   const testing_support::RunResult result =
                       testing_support::RunTimes(args, services);
                   return std::to_string(result.status) + "\n" + result.out + "--\n" + result.err;
               })
            .value_or("hung");
    }

    // The lines of standard error of a run's answer.
    static std::vector<std::string> ErrLines(const std::string& answer) {
        std::vector<std::string> lines;
        std::string rest = answer.substr(answer.find("--\n") + 3);
        for (std::size_t end; (end = rest.find('\n')) != std::string::npos;) {
            lines.push_back(rest.substr(0, end));
            rest.erase(0, end + 1);
        }
        return lines;
    }

    testing_support::ScratchFolder folder_;
    fs::path shipped_ = folder_.Path() / "cities.db";
    fs::path user_ = folder_.Path() / "data" / "orvanta" / "user.db";
    fs::path settings_ = folder_.Path() / "config" / "orvanta" / "registry.reg";
};

TEST_F(OddFilesCliTest, FifosAtTheUsersFilesAreSaidOnceAndTheRunEnds) {
    ASSERT_EQ(::mkfifo(settings_.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(user_.c_str(), 0600), 0);
    const std::vector<std::string> told = {
        "orvanta-times: cannot read the settings file " + settings_.string() +
            " (it is not a regular file, or not readable); the default settings are used and the"
            " file is left as it is",
        "orvanta-times: " + user_.string() +
            " is not a regular file and is left alone; your home city and your own cities"
            " cannot be used",
    };
    // Loading the settings reads the home city too, before the city named is looked up.
    const std::string answer = Run({"--city", "Mecca"});
    EXPECT_EQ(answer.rfind("0\nCity:", 0), 0u) << answer;
    EXPECT_EQ(ErrLines(answer), told) << answer;
    const std::string search = Run({"cities", "search", "Mec"});
    EXPECT_EQ(search.rfind("0\nCity", 0), 0u) << search;
    EXPECT_EQ(ErrLines(search), std::vector<std::string>{told[1]}) << search;
    EXPECT_TRUE(fs::is_fifo(settings_));
    EXPECT_TRUE(fs::is_fifo(user_));
}

TEST_F(OddFilesCliTest, ADamagedUserDbIsMovedAsideByTheFirstCommandAndSaidOnce) {
    for (const std::vector<std::string>& first :
         {std::vector<std::string>{"cities", "search", "Mec"},
          std::vector<std::string>{"cities", "add", "Own Village", "--lat", "21.5", "--lon", "39.5",
                                   "--tz", "Asia/Riyadh"},
          std::vector<std::string>{"--city", "Mecca"}}) {
        const std::string command = first[0] + " " + first[1];
        for (const fs::path& old : testing_support::MovedAsideCopies(user_)) {
            fs::remove(old);
        }
        fs::remove(user_);
        ASSERT_TRUE(testing_support::MakeUserDatabaseWithOneBadPage(user_));

        const std::string answer = Run(first);
        EXPECT_EQ(answer.rfind("0\n", 0), 0u) << command << answer;
        EXPECT_EQ(answer.find("Mecca Own"), std::string::npos) << command << answer;
        const std::vector<fs::path> moved = testing_support::MovedAsideCopies(user_);
        ASSERT_EQ(moved.size(), 1u) << command << answer;
        EXPECT_EQ(ErrLines(answer),
                  std::vector<std::string>{"orvanta-times: " + user_.string() +
                                           " was damaged and has been moved to " +
                                           moved.front().string() +
                                           "; your home city and your own cities in it are no"
                                           " longer used"})
            << command;
        // The next run finds the shipped city and has nothing more to say.
        const std::string again = Run({"cities", "search", "Mecca"});
        EXPECT_EQ(again.rfind("0\nCity", 0), 0u) << command << again;
        EXPECT_NE(again.find("Saudi Arabia"), std::string::npos) << command << again;
        EXPECT_EQ(ErrLines(again), std::vector<std::string>{}) << command << again;
    }
}

TEST_F(OddFilesCliTest, ADamagedSettingsFileIsSaidAtEveryRunThatUsesIt) {
    std::ofstream(settings_, std::ios::binary) << "\x01\x02 not settings";
    for (int run = 0; run < 2; ++run) {
        const std::string answer = Run({"--city", "Mecca"});
        EXPECT_EQ(answer.rfind("0\nCity:", 0), 0u) << answer;
        EXPECT_EQ(
            ErrLines(answer),
            std::vector<std::string>{"orvanta-times: the settings file " + settings_.string() +
                                     " is damaged; the default settings are used, and saving"
                                     " the settings moves it aside"})
            << answer;
    }
}

}  // namespace
}  // namespace orvanta
