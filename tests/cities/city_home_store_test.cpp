#include "cities/home_city_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cities/sqlite_db.h"
#include "common/damaged_file.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

class HomeCityStoreTest : public testing::Test {
  protected:
    // Reads with a record whose name is set, so that "unchanged" can be seen.
    bool Read(const HomeCityStore& store, std::string& name) {
        CityLocation city;
        city.name = "Configured";
        const bool found = store.ReadHomeCity(city);
        name = city.name;
        return found;
    }

    testing_support::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.Path();
    // A folder that does not exist yet: the first write creates it.
    const fs::path path_ = folder_ / "data" / "orvanta" / "user.db";
};

TEST_F(HomeCityStoreTest, AMissingDatabaseMeansNoHomeCityAndIsNotCreated) {
    const HomeCityStore store(path_);
    std::string name;
    EXPECT_FALSE(Read(store, name));
    EXPECT_EQ(name, "Configured");
    EXPECT_TRUE(store.ClearHomeCity());
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_FALSE(fs::exists(path_.parent_path()));
}

TEST_F(HomeCityStoreTest, SetReadReplaceAndClear) {
    const HomeCityStore store(path_);
    std::string name;
    ASSERT_TRUE(store.SetHomeCity("Detroit, MI"));
    EXPECT_TRUE(fs::exists(path_));
    EXPECT_TRUE(Read(store, name));
    EXPECT_EQ(name, "Detroit, MI");

    ASSERT_TRUE(store.SetHomeCity("St. John's, NL \"quoted\""));
    EXPECT_TRUE(Read(HomeCityStore(path_), name));  // another instance, same file
    EXPECT_EQ(name, "St. John's, NL \"quoted\"");

    ASSERT_TRUE(store.ClearHomeCity());
    EXPECT_FALSE(Read(store, name));
    EXPECT_EQ(name, "Configured");
    EXPECT_TRUE(store.ClearHomeCity());  // clearing twice is fine
}

TEST_F(HomeCityStoreTest, AnUnusableNameIsRefusedAndTheEarlierOneKept) {
    const HomeCityStore store(path_);
    ASSERT_TRUE(store.SetHomeCity("Z\xC3\xBCrich"));
    EXPECT_FALSE(store.SetHomeCity(std::string(200, 'a')));
    std::string name;
    EXPECT_TRUE(Read(store, name));
    EXPECT_EQ(name, "Z\xC3\xBCrich");
}

TEST_F(HomeCityStoreTest, AStoredNameThatIsNotUsableReadsAsNoHomeCity) {
    const HomeCityStore store(path_);
    ASSERT_TRUE(store.SetHomeCity("Detroit, MI"));
    for (const std::string& value : {std::string("\xFF")}) {
        std::optional<SqliteDb> db = SqliteDb::Open(path_, SqliteOpenMode::ReadWrite);
        ASSERT_TRUE(db.has_value());
        std::optional<SqliteStatement> update =
            SqliteStatement::Prepare(*db, "UPDATE home_city SET name = ?1");
        ASSERT_TRUE(update && update->BindText(1, value));
        ASSERT_EQ(update->Step(), SqliteStatement::StepResult::Done);
        std::string name;
        EXPECT_FALSE(Read(store, name));
        EXPECT_EQ(name, "Configured");
    }
}

// The files beside user.db whose names start with "user.db.damaged-", with their bytes.
std::vector<std::pair<std::string, std::string>> MovedAside(const fs::path& path) {
    std::vector<std::pair<std::string, std::string>> moved;
    for (const fs::directory_entry& entry : fs::directory_iterator(path.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("user.db.damaged-", 0) == 0) {
            moved.emplace_back(name, testing_support::ReadBytes(entry.path()));
        }
    }
    return moved;
}

// A damaged user.db is never overwritten or deleted: it is renamed aside with its bytes, and
// the operation then goes on as without a file.
TEST_F(HomeCityStoreTest, ADamagedFileIsMovedAsideNeverOverwritten) {
    const std::string garbage(4096, '\x5A');
    fs::create_directories(path_.parent_path());
    testing_support::WriteBytes(path_, garbage);
    const HomeCityStore store(path_);
    EXPECT_TRUE(store.SetHomeCity("Mecca"));
    const auto moved = MovedAside(path_);
    ASSERT_EQ(moved.size(), 1U);
    EXPECT_EQ(moved[0].second, garbage);
    std::string name;
    EXPECT_TRUE(Read(store, name));
    EXPECT_EQ(name, "Mecca");
}

// A writer killed inside a transaction leaves a hot journal; the next read rolls it back and
// gives the home city of the last completed write, not "no home city".
TEST_F(HomeCityStoreTest, AWriterKilledMidTransactionLeavesTheLastCommittedHomeCity) {
    const HomeCityStore store(path_);
    ASSERT_TRUE(store.SetHomeCity("Mecca"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::optional<SqliteDb> db = SqliteDb::Open(path_, SqliteOpenMode::ReadWrite);
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

    std::string name;
    EXPECT_TRUE(Read(store, name));
    EXPECT_EQ(name, "Mecca");
    EXPECT_TRUE(MovedAside(path_).empty());
}

TEST(MoveDamagedFileAsideTest, KeepsEveryEarlierCopyAndTakesTheJournalAlong) {
    using testing_support::ReadBytes;
    using testing_support::WriteBytes;
    const testing_support::ScratchFolder folder;
    const fs::path file = folder.Path() / "user.db";
    const fs::path journal = fs::path(file) += "-journal";
    std::vector<fs::path> targets;
    for (const char* content : {"first", "second"}) {
        WriteBytes(file, content);
        WriteBytes(journal, content);
        const std::optional<fs::path> target = MoveDamagedFileAside(file);
        ASSERT_TRUE(target.has_value());
        targets.push_back(*target);
        EXPECT_FALSE(fs::exists(file));
        EXPECT_FALSE(fs::exists(journal));
    }
    // Within one second the second name gets a suffix instead of replacing the first.
    ASSERT_EQ(targets.size(), 2U);
    EXPECT_NE(targets[0], targets[1]);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const std::string expected = i == 0 ? "first" : "second";
        EXPECT_EQ(ReadBytes(targets[i]), expected) << targets[i];
        EXPECT_EQ(ReadBytes(fs::path(targets[i]) += "-journal"), expected) << targets[i];
    }
    EXPECT_FALSE(MoveDamagedFileAside(file).has_value()) << "a missing file cannot be moved";
}

// A sound database that merely lacks the table is not damaged and stays where it is.
TEST_F(HomeCityStoreTest, ASoundDatabaseWithoutTheTableIsNotMovedAside) {
    fs::create_directories(path_.parent_path());
    ASSERT_TRUE(
        SqliteDb::Open(path_, SqliteOpenMode::ReadWriteCreate)->Exec("CREATE TABLE other (x)"));
    const HomeCityStore store(path_);
    std::string name;
    EXPECT_FALSE(Read(store, name));
    EXPECT_TRUE(MovedAside(path_).empty());
    EXPECT_TRUE(fs::exists(path_));
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
