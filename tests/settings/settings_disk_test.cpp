// The settings file on disk: a private folder, atomic replacement under writers killed at random
// moments, the writers' lock, saves that cannot complete, and a damaged file moved aside. Each
// must leave a file that loads as the old or the new settings in full.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "settings/settings_disk_file.h"
#include "settings/settings_store.h"
#include "tests/support/bounded_child.h"
#include "tests/support/damaged_user_database.h"
#include "tests/support/loaded_settings.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::Fields;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

// Two settings that differ in every stored value and from the defaults a damaged file loads
// as, so that a mix of them, or a damaged file, is told apart.
const PrayerSettings kOld{.configuredCity = "Mecca"};
const PrayerSettings kNew{.method = TwilightMethod::kInterval,
                          .intervalMinutes = 75.0,
                          .depressionDegrees = 15.0,
                          .fiqh = Fiqh::kHanafi,
                          .asrShadowFactor = 2.0,
                          .configuredCity = "Z\xC3\xBCrich"};

std::string Loaded(const fs::path& path) {
    return Fields(testing_support::Loaded(DiskSettingsFile(path)));
}

testing::AssertionResult LoadsAsOldOrNew(const fs::path& path) {
    const std::string loaded = Loaded(path);
    if (loaded == Fields(kOld) || loaded == Fields(kNew)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "neither old nor new: " << loaded;
}

// Every file and folder below folder with its bytes, to see that a failed save changed nothing.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        files[fs::relative(entry.path(), folder).string()] =
            entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
    }
    return files;
}

class SettingsDiskTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.empty());
        DiskSettingsFile file(path_);
        ASSERT_TRUE(SaveSettings(file, kOld));
    }

    testing_support::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.Path();
    const fs::path path_ = folder_ / "registry.reg";
};

TEST_F(SettingsDiskTest, FirstSaveCreatesAPrivateFolderAndLeavesNoTemporaryFile) {
    const fs::path folder = folder_ / "config" / "orvanta";
    DiskSettingsFile file(folder / "registry.reg");
    EXPECT_EQ(file.Read().status, SettingsFile::ReadStatus::kMissing);
    ASSERT_TRUE(SaveSettings(file, kNew));
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat((folder / "registry.reg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(Snapshot(folder).size(), 2u);
    EXPECT_TRUE(LoadsAsOldOrNew(folder / "registry.reg"));
}

TEST_F(SettingsDiskTest, AWriterKilledAtRandomMomentsLeavesTheOldOrTheNewSettings) {
    std::mt19937 random(20260320);  // fixed, so a failure can be replayed
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    for (int kill = 0; kill < 100; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Alternates between the two settings as fast as the disk allows.
            DiskSettingsFile file(path_, std::chrono::seconds(5));
            for (int round = 0;; ++round) {
                if (!SaveSettings(file, round % 2 == 0 ? kNew : kOld)) {
                    _exit(3);
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself, status " << status;
        ASSERT_TRUE(LoadsAsOldOrNew(path_));
    }
    // The next save clears the temporary files that the killed writers left behind.
    DiskSettingsFile file(path_);
    ASSERT_TRUE(SaveSettings(file, kNew));
    EXPECT_EQ(Snapshot(folder_).size(), 2u);
}

// What the bounded child below answers.
const std::string kSaveFailed = "failed";
const std::string kCannotArrange = "cannot arrange";  // the condition could not be set up here

// A save that cannot complete says so and leaves every file as it was, with nothing added.
TEST_F(SettingsDiskTest, ASaveThatCannotCompleteFailsAndChangesNothing) {
    enum class Child { kAsIs, kFileSizeLimit, kUnprivileged, kFolderInTheFilesPlace };
    struct Row {
        const char* name;
        Child child;
        bool lockFileWritable;  // unprivileged: a lock file it may take, or none it could make
        const char* savedPath;  // below the folder
    };
    // A file-size limit makes writes fail with EFBIG, as on a full disk (the new file is larger:
    // the city alone is 400 bytes). Root ignores permissions, so a read-only folder is tried by a
    // child that drops to nobody. A path below a regular file cannot be made even by root. A
    // folder in the file's place fails the rename after the temporary file was written.
    const Row rows[] = {
        {"full disk", Child::kFileSizeLimit, false, "registry.reg"},
        {"read-only folder, no lock file", Child::kUnprivileged, false, "registry.reg"},
        {"read-only folder, lock taken", Child::kUnprivileged, true, "registry.reg"},
        {"folder cannot be made", Child::kAsIs, false, "registry.reg/orvanta/registry.reg"},
        {"a folder in the file's place", Child::kFolderInTheFilesPlace, false, "registry.reg"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::ScratchFolder scratch;
        const fs::path folder = scratch.Path();
        fs::copy(folder_, folder);
        if (row.child == Child::kFolderInTheFilesPlace) {
            fs::remove(folder / "registry.reg");
            fs::create_directory(folder / "registry.reg");
            WriteBytes(folder / "registry.reg" / "inside", "old");
        }
        if (row.child == Child::kUnprivileged) {
            const fs::path lock = folder / "registry.reg.lock";
            row.lockFileWritable
                ? fs::permissions(lock, fs::perms::others_read | fs::perms::others_write,
                                  fs::perm_options::add)
                : static_cast<void>(fs::remove(lock));
            fs::permissions(folder / "registry.reg", fs::perms::others_read, fs::perm_options::add);
            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
        }
        const auto before = Snapshot(folder);
        const auto status = testing_support::RunInBoundedChild([&] {
            const rlimit limit{512, 512};
            signal(SIGXFSZ, SIG_IGN);
            if ((row.child == Child::kFileSizeLimit && setrlimit(RLIMIT_FSIZE, &limit) != 0) ||
                (row.child == Child::kUnprivileged && geteuid() == 0 &&
                 (setgid(65534) != 0 || setuid(65534) != 0))) {
                return kCannotArrange;
            }
            DiskSettingsFile file(folder / row.savedPath, std::chrono::milliseconds(200));
            return SaveSettings(file, kNew) ? "saved" : kSaveFailed;
        });
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(status, kSaveFailed);
        EXPECT_EQ(Snapshot(folder), before);
    }
}

// A second writer gives up when its wait ends, and one that waits longer saves once released.
TEST_F(SettingsDiskTest, TheWritersLockKeepsASecondWriterWaitingUntilReleased) {
    DiskSettingsFile first(path_);
    DiskSettingsFile second(path_, std::chrono::milliseconds(100));
    ASSERT_TRUE(first.LockForUpdate());
    EXPECT_FALSE(SaveSettings(second, kNew));
    EXPECT_EQ(Loaded(path_), Fields(kOld));
    std::thread release([&first] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        first.Unlock();
    });
    DiskSettingsFile waiting(path_, std::chrono::seconds(5));
    EXPECT_TRUE(SaveSettings(waiting, kNew));
    release.join();
    EXPECT_EQ(Loaded(path_), Fields(kNew));
}

TEST_F(SettingsDiskTest, ASymbolicLinkIsFollowedNotReplaced) {
    fs::create_directory(folder_ / "dotfiles");
    fs::rename(path_, folder_ / "dotfiles" / "registry.reg");
    fs::create_symlink(folder_ / "dotfiles" / "registry.reg", path_);
    DiskSettingsFile file(path_);
    ASSERT_TRUE(SaveSettings(file, kNew));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(Loaded(folder_ / "dotfiles" / "registry.reg"), Fields(kNew));
}

// A damaged file is told about once at load, and with its new name when a save moves it aside.
TEST_F(SettingsDiskTest, ADamagedFileIsToldAtLoadAndItsNewNameWhenASaveMovesIt) {
    WriteBytes(path_, "not a registry export");
    DiskSettingsFile disk(path_);
    NoticeList notices;
    PrayerSettings settings;
    CityLocation city;
    LoadSettings(disk, testing_support::NoHomeCity(), settings, city, &notices);
    LoadSettings(disk, testing_support::NoHomeCity(), settings, city, &notices);
    EXPECT_EQ(Fields(settings), Fields(PrayerSettings{}));
    EXPECT_EQ(city.name, "Detroit, MI");
    ASSERT_TRUE(SaveSettings(disk, kNew, &notices));
    EXPECT_EQ(Loaded(path_), Fields(kNew));
    const std::vector<fs::path> moved = testing_support::MovedAsideCopies(path_);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(ReadBytes(moved.front()), "not a registry export");
    EXPECT_EQ(notices.Take(),
              (std::vector<Notice>{
                  {NoticeKind::kSettingsDamaged, path_.string(), {}, {}},
                  {NoticeKind::kSettingsMovedAside, path_.string(), moved.front().string(), {}}}));
}

}  // namespace
}  // namespace orvanta
