// The city databases when the files are not what they seem: a FIFO where user.db or cities.db
// should be (nothing may wait on it), a user.db with one damaged page (moved aside by whatever
// meets the damage first, the shipped cities still found), and the modes of a new user.db.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cities/city_finder.h"
#include "cities/home_city_store.h"
#include "cities/sqlite_city_store.h"
#include "cities/user_cities.h"
#include "common/notices.h"
#include "tests/support/bounded_child.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/damaged_user_database.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::RunInBoundedChild;

NewUserCity OwnVillage() {
    NewUserCity city;
    city.name = "Own Village";
    city.latitudeDeg = 21.5;
    city.longitudeDeg = 39.5;
    city.zoneName = "Asia/Riyadh";
    city.biasMinutes = -180;
    return city;
}

// One operation on the files, with what it answered and the notices it left.
struct Operation {
    const char* name;
    std::function<std::string(const fs::path& shipped, const fs::path& user, NoticeList&)> run;
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += text + "\n";
    }
    return joined;
}

std::string LookUp(const fs::path& shipped, const fs::path& user, NoticeList& notices,
                   const char* name) {
    CityLocation city;
    city.name = name;
    const CityLookupStatus status =
        SqliteCityStore(shipped, true, user, &notices).LookUp(city, nullptr);
    return status == CityLookupStatus::Found ? city.name : "not found";
}

std::string Search(const fs::path& shipped, const fs::path& user, NoticeList& notices) {
    const CitySearchResult result = FindCitiesByPrefix(shipped, user, "Mec", 10, &notices);
    std::string names = result.failure == CitySearchFailure::kNone ? "" : "failed";
    for (const CityListing& row : result.rows) {
        names += row.name + ";";
    }
    return names;
}

const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {"read the home city",
         [](const fs::path&, const fs::path& user, NoticeList& notices) {
             CityLocation city;
             return std::string(HomeCityStore(user, &notices).ReadHomeCity(city) ? city.name
                                                                                 : "none");
         }},
        {"look a shipped city up",
         [](const fs::path& shipped, const fs::path& user, NoticeList& notices) {
             return LookUp(shipped, user, notices, "Mecca");
         }},
        {"search", Search},
        {"add a city",
         [](const fs::path& shipped, const fs::path& user, NoticeList& notices) {
             return std::to_string(
                 static_cast<int>(AddUserCity(shipped, user, OwnVillage(), &notices)));
         }},
        {"remove a city",
         [](const fs::path& shipped, const fs::path& user, NoticeList& notices) {
             return std::to_string(
                 static_cast<int>(RemoveUserCity(shipped, user, "Own Town 0", &notices)));
         }},
        {"set the home city",
         [](const fs::path&, const fs::path& user, NoticeList& notices) {
             return std::string(HomeCityStore(user, &notices).SetHomeCity("Mecca") ? "set"
                                                                                   : "refused");
         }},
        {"clear the home city",
         [](const fs::path&, const fs::path& user, NoticeList& notices) {
             return std::string(HomeCityStore(user, &notices).ClearHomeCity() ? "cleared"
                                                                              : "refused");
         }},
    };
    return operations;
}

class OddCityFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.Path().empty());
        const char* source = std::getenv("ORVANTA_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        ASSERT_TRUE(testing_support::MakeSoundCityDatabase(source, shipped_));
    }

    // Runs the operation in a child that an alarm ends; its answer and notices, or "hung".
    std::string RunBounded(const Operation& operation) {
        const std::optional<std::string> answer = RunInBoundedChild([&] {
            NoticeList notices;
            const std::string result = operation.run(shipped_, user_, notices);
            return result + "\n" + Joined(notices.Take());
        });
        return answer.value_or("hung");
    }

    testing_support::ScratchFolder folder_;
    fs::path shipped_ = folder_.Path() / "cities.db";
    fs::path user_ = folder_.Path() / "data" / "user.db";
};

TEST_F(OddCityFilesTest, AFifoAtUserDbIsToldAboutOnceAndNeverWaitedOnOrReplaced) {
    fs::create_directories(user_.parent_path());
    ASSERT_EQ(::mkfifo(user_.c_str(), 0600), 0);
    const std::string told =
        user_.string() +
        " is not a regular file and is left alone; your home city and your own cities cannot"
        " be used\n";
    const std::string failed = std::to_string(static_cast<int>(UserCityChange::UserDatabaseFailed));
    const std::vector<std::pair<const char*, std::string>> expected = {
        {"read the home city", "none\n" + told},
        {"look a shipped city up", "Mecca\n" + told},
        {"search", "Mecca;\n" + told},
        {"add a city", failed + "\n" + told},
        {"remove a city", failed + "\n" + told},
        {"set the home city", "refused\n" + told},
        {"clear the home city", "refused\n" + told},
    };
    ASSERT_EQ(expected.size(), Operations().size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Operations()[i].name, std::string(expected[i].first));
        EXPECT_EQ(RunBounded(Operations()[i]), expected[i].second) << expected[i].first;
        EXPECT_TRUE(fs::is_fifo(user_)) << expected[i].first;
    }
}

TEST_F(OddCityFilesTest, AFifoAtTheCityDatabaseIsNeverWaitedOn) {
    fs::remove(shipped_);
    ASSERT_EQ(::mkfifo(shipped_.c_str(), 0600), 0);
    EXPECT_EQ(RunBounded(Operations()[1]), "not found\n");
    EXPECT_EQ(RunBounded(Operations()[2]), "failed\n");
}

TEST_F(OddCityFilesTest, WhateverMeetsADamagedPageMovesUserDbAsideAndGoesOn) {
    const std::string done = std::to_string(static_cast<int>(UserCityChange::Done));
    const std::string notFound = std::to_string(static_cast<int>(UserCityChange::NotFound));
    // The page damaged is the index of the user's cities: reading the home city does not
    // touch it and keeps the file; every search of the user's cities meets it.
    const std::vector<std::pair<const char*, std::string>> expected = {
        {"look a shipped city up", "Mecca"},
        {"search", "Mecca;"},
        {"remove a city", notFound},
        {"add a city", done},
    };
    for (const auto& [name, answer] : expected) {
        fs::remove_all(user_.parent_path());
        fs::create_directories(user_.parent_path());
        ASSERT_TRUE(testing_support::MakeUserDatabaseWithOneBadPage(user_));
        const auto operation = std::find_if(Operations().begin(), Operations().end(),
                                            [&](const Operation& o) { return o.name == name; });
        ASSERT_NE(operation, Operations().end());
        NoticeList notices;
        EXPECT_EQ(operation->run(shipped_, user_, notices), answer) << name;
        const std::vector<fs::path> moved = testing_support::MovedAsideCopies(user_);
        ASSERT_EQ(moved.size(), 1u) << name;
        EXPECT_EQ(notices.Take(),
                  std::vector<std::string>{user_.string() + " was damaged and has been moved to " +
                                           moved.front().string() +
                                           "; your home city and your own cities in it are no"
                                           " longer used"})
            << name;
    }
    // The city added last, after the move, is in the new file and found first.
    NoticeList notices;
    EXPECT_EQ(LookUp(shipped_, user_, notices, "Own Village"), "Own Village");
    EXPECT_EQ(notices.Take(), std::vector<std::string>{});
}

TEST_F(OddCityFilesTest, ANewUserDbIsTheUsersAlone) {
    const mode_t previous = ::umask(022);
    for (const char* name : {"add a city", "set the home city"}) {
        fs::remove_all(folder_.Path() / "data");
        const auto operation = std::find_if(Operations().begin(), Operations().end(),
                                            [&](const Operation& o) { return o.name == name; });
        NoticeList notices;
        (void)operation->run(shipped_, user_, notices);
        struct stat folder {};
        struct stat file {};
        ASSERT_EQ(::stat(user_.parent_path().c_str(), &folder), 0) << name;
        ASSERT_EQ(::stat(user_.c_str(), &file), 0) << name;
        EXPECT_EQ(folder.st_mode & 0777, 0700u) << name;
        EXPECT_EQ(file.st_mode & 0777, 0600u) << name;
    }
    ::umask(previous);
}

}  // namespace
}  // namespace orvanta
