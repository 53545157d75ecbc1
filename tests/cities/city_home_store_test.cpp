#include "cities/home_city_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cities/sqlite_db.h"
#include "common/damaged_file.h"
#include "tests/support/damaged_user_database.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::MovedAsideCopies;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

class HomeCityStoreTest : public testing::Test {
  protected:
    // The home city read, or "Configured" when the record was left unchanged.
    std::string Read(const HomeCityStore& store) {
        CityLocation city;
        city.name = "Configured";
        const bool found = store.ReadHomeCity(city);
        EXPECT_EQ(found, city.name != "Configured");
        return city.name;
    }

    testing_support::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.Path();
    // A folder that does not exist yet: the first write creates it.
    const fs::path path_ = folder_ / "data" / "orvanta" / "user.db";
};

TEST_F(HomeCityStoreTest, NothingIsMadeUntilSetAndAnUnusableNameIsRefusedOrReadAsNone) {
    const HomeCityStore store(path_);
    EXPECT_EQ(Read(store), "Configured");
    EXPECT_TRUE(store.ClearHomeCity());
    EXPECT_FALSE(fs::exists(path_.parent_path())) << "reading or clearing created the file";

    // Set, replaced and cleared through the command line (tests/cli, CitiesCommand).
    ASSERT_TRUE(store.SetHomeCity("Z\xC3\xBCrich"));
    EXPECT_FALSE(store.SetHomeCity(std::string(200, 'a')));  // unusable: the earlier one stays
    EXPECT_EQ(Read(HomeCityStore(path_)), "Z\xC3\xBCrich");  // another instance
    // A stored name that is not usable reads as no home city.
    ASSERT_TRUE(SqliteDb::Open(path_, SqliteOpenMode::kReadWrite)
                    ->Exec("UPDATE home_city SET name = CAST(X'FF' AS TEXT)"));
    EXPECT_EQ(Read(store), "Configured");
}

// A damaged user.db is never overwritten or deleted: it is renamed aside with its bytes, and
// the operation then goes on as without a file. A sound file without the table stays.
TEST_F(HomeCityStoreTest, ADamagedFileIsMovedAsideASoundOneWithoutTheTableIsNot) {
    fs::create_directories(path_.parent_path());
    ASSERT_TRUE(
        SqliteDb::Open(path_, SqliteOpenMode::kReadWriteCreate)->Exec("CREATE TABLE other (x)"));
    const HomeCityStore store(path_);
    EXPECT_EQ(Read(store), "Configured");
    EXPECT_TRUE(MovedAsideCopies(path_).empty());

    const std::string garbage(4096, '\x5A');
    WriteBytes(path_, garbage);
    EXPECT_TRUE(store.SetHomeCity("Mecca"));
    const std::vector<fs::path> moved = MovedAsideCopies(path_);
    ASSERT_EQ(moved.size(), 1U);
    EXPECT_EQ(ReadBytes(moved[0]), garbage);
    EXPECT_EQ(Read(store), "Mecca");
}

// A writer killed inside a transaction leaves a hot journal; the next read rolls it back and
// gives the home city of the last completed write, not "no home city".
TEST_F(HomeCityStoreTest, AWriterKilledMidTransactionLeavesTheLastCommittedHomeCity) {
    const HomeCityStore store(path_);
    ASSERT_TRUE(store.SetHomeCity("Mecca"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::optional<SqliteDb> db = SqliteDb::Open(path_, SqliteOpenMode::kReadWrite);
        // A one-page cache makes the changes spill into the file before the commit.
        const bool begun =
            db && db->Exec(
                      "PRAGMA cache_size = 1; BEGIN IMMEDIATE;"
                      "UPDATE home_city SET name = 'Detroit, MI';"
                      "CREATE TABLE filler (x); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                      "SELECT i + 1 FROM n WHERE i < 2000) "
                      "INSERT INTO filler SELECT randomblob(500) FROM n;");
        if (begun) {
            kill(getpid(), SIGKILL);
        }
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer could not start its transaction";
    ASSERT_TRUE(fs::exists(fs::path(path_) += "-journal"));
    EXPECT_EQ(Read(store), "Mecca");
    EXPECT_TRUE(MovedAsideCopies(path_).empty());
}

// Within one second the second name gets a suffix instead of replacing the first.
TEST(MoveDamagedFileAsideTest, KeepsEveryEarlierCopyAndTakesTheJournalAlong) {
    const testing_support::ScratchFolder folder;
    const fs::path file = folder.Path() / "user.db";
    const fs::path journal = fs::path(file) += "-journal";
    for (const std::string content : {"first", "second"}) {
        WriteBytes(file, content);
        WriteBytes(journal, content);
        const fs::path target = MoveDamagedFileAside(file).value_or(file);
        EXPECT_FALSE(fs::exists(file) || fs::exists(journal));
        EXPECT_EQ(ReadBytes(target) + ReadBytes(fs::path(target) += "-journal"), content + content);
    }
    EXPECT_EQ(MovedAsideCopies(file).size(), 4U);  // each file with its journal
    EXPECT_FALSE(MoveDamagedFileAside(file).has_value()) << "a missing file cannot be moved";
}

TEST_F(HomeCityStoreTest, TheDefaultPathFollowsTheDataFolder) {
    const char* earlier = std::getenv("XDG_DATA_HOME");
    const std::string saved = earlier != nullptr ? earlier : "";
    ASSERT_EQ(setenv("XDG_DATA_HOME", folder_.c_str(), 1), 0);
    EXPECT_EQ(DefaultUserDatabasePath(), folder_ / "orvanta" / "user.db");
    EXPECT_TRUE(HomeCityStore().SetHomeCity("Sydney"));
    EXPECT_TRUE(fs::exists(folder_ / "orvanta" / "user.db"));
    if (earlier != nullptr) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
}  // namespace orvanta
