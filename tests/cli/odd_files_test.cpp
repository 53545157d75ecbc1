// orvanta-times over the real stores, wired as the program wires them, when the user's files
// are not what they seem. Every run happens in a child process that an alarm ends: a run that
// waits on a FIFO fails the test instead of hanging it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "command_table.h"
#include "tests/support/bounded_child.h"
#include "tests/support/damaged_user_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

const char* const kAddVillage = "cities add Own~Village --lat 21.5 --lon 39.5 --tz Asia/Riyadh";

class OddFilesCliTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.Built());
        fs::create_directories(home_.settings.parent_path());
        fs::create_directories(home_.user.parent_path());
    }

    // "<status>\n<standard error>" of a run, then "\x1f<standard output>" when all is given;
    // "hung" for a run that did not end.
    std::string Run(const char* words, bool all = false) {
        return testing_support::RunInBoundedChild([&] {
                   const auto run = home_.Run(testing_support::Args(words));
                   return std::to_string(run.status) + "\n" + run.err +
                          (all ? "\x1f" + run.out : "");
               })
            .value_or("hung");
    }

    testing_support::CliHome home_;
};

TEST_F(OddFilesCliTest, FifosAtTheUsersFilesAreSaidOnceAndNeverWaitedOnOrReplaced) {
    ASSERT_EQ(::mkfifo(home_.settings.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(home_.user.c_str(), 0600), 0);
    const std::string settingsTold =
        "orvanta-times: cannot read the settings file " + home_.settings.string() +
        " (it is not a regular file, or not readable); the default settings are used and the"
        " file is left as it is\n";
    const std::string userTold = "orvanta-times: " + home_.user.string() +
                                 " is not a regular file and is left alone; your home city and"
                                 " your own cities cannot be used\n";
    // Loading the settings reads the home city too, before the city named is looked up.
    EXPECT_EQ(Run("--city Mecca"), "0\n" + settingsTold + userTold);
    EXPECT_EQ(Run("cities search Mec"), "0\n" + userTold);
    EXPECT_EQ(Run(kAddVillage),
              "1\norvanta-times: cannot write " + home_.user.string() + "\n" + userTold);
    EXPECT_TRUE(fs::is_fifo(home_.settings) && fs::is_fifo(home_.user));
}

// A settings file of 17 MiB (sparse) is not read, is said to be too large, and is kept.
TEST_F(OddFilesCliTest, ATooLargeSettingsFileIsSaidSoAndLeftAsItIs) {
    std::ofstream(home_.settings) << "Windows Registry Editor Version 5.00\n";
    fs::resize_file(home_.settings, std::uintmax_t{17} << 20);
    EXPECT_EQ(Run("--city Mecca"),
              "0\norvanta-times: the settings file " + home_.settings.string() +
                  " is too large to be a settings file (over 16 MiB); the"
                  " default settings are used and the file is left as it is\n");
    EXPECT_EQ(fs::file_size(home_.settings), std::uintmax_t{17} << 20);
}

TEST_F(OddFilesCliTest, ADamagedPageInUserDbMovesItAsideWhereverItIsMetAndIsSaidOnce) {
    for (const char* first : {"cities search Mec", "--city Mecca", kAddVillage}) {
        for (const fs::path& old : testing_support::MovedAsideCopies(home_.user)) {
            fs::remove(old);
        }
        fs::remove(home_.user);
        ASSERT_TRUE(testing_support::MakeUserDatabaseWithOneBadPage(home_.user));
        const std::string answer = Run(first, true);
        EXPECT_EQ(answer.find("Mecca Own"), std::string::npos) << answer;
        const std::vector<fs::path> moved = testing_support::MovedAsideCopies(home_.user);
        ASSERT_EQ(moved.size(), 1u) << answer;
        EXPECT_EQ(answer.substr(0, answer.find('\x1f')),
                  "0\norvanta-times: " + home_.user.string() +
                      " was damaged and has been moved to " + moved.front().string() +
                      "; your home city and your own cities in it are no longer used\n");
        const std::string again = Run("cities search Mecca", true);
        EXPECT_EQ(again.rfind("0\n\x1f", 0), 0u) << again;
        EXPECT_NE(again.find("Saudi Arabia"), std::string::npos) << again;
    }
}

TEST_F(OddFilesCliTest, ANewUserDbIsTheUsersAloneAndADamagedSettingsFileIsSaid) {
    fs::remove(home_.user.parent_path());
    std::ofstream(home_.settings) << "not a registry export";
    const mode_t previous = ::umask(022);
    EXPECT_EQ(Run(kAddVillage), "0\n");
    ::umask(previous);
    struct stat folder {};
    struct stat file {};
    ASSERT_EQ(::stat(home_.user.parent_path().c_str(), &folder), 0);
    ASSERT_EQ(::stat(home_.user.c_str(), &file), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    EXPECT_EQ(file.st_mode & 0777, 0600u);
    EXPECT_EQ(Run("--city Own~Village"),
              "0\norvanta-times: the settings file " + home_.settings.string() +
                  " is damaged; the default settings are used, and saving the settings moves it"
                  " aside\n");
}

}  // namespace
}  // namespace orvanta
