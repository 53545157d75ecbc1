// The settings file under hostile conditions: a writer killed at random moments, a file-size
// limit (as a full disk) and a read-only folder. Each must leave a file that loads as the old or
// the new settings in full, and a failed save must say so.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "settings/settings_disk_file.h"
#include "settings/settings_store.h"
#include "tests/support/bounded_child.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::NoHomeCity;

using testing_support::ReadBytes;
using testing_support::RunInBoundedChild;
using testing_support::ScratchFolder;

// Two settings that differ in every stored value and from the defaults a damaged file loads
// as, so that a mix of them, or a damaged file, is told apart.
PrayerSettings OldSettings() {
    PrayerSettings settings;
    settings.configuredCity = "Mecca";
    return settings;
}

PrayerSettings NewSettings() {
    return PrayerSettings{.method = 1,
                          .intervalMinutes = 75.0,
                          .depressionDegrees = 15.0,
                          .fiqh = 1,
                          .configuredCity = "Z\xC3\xBCrich"};
}

std::string Describe(const PrayerSettings& s) {
    std::ostringstream text;
    text << "method " << s.method << ", interval " << s.intervalMinutes << ", depression "
         << s.depressionDegrees << ", fiqh " << s.fiqh << ", city \"" << s.configuredCity << '"';
    return text.str();
}

testing::AssertionResult LoadsAsOldOrNew(const fs::path& path) {
    PrayerSettings loaded;
    CityLocation city;
    LoadSettings(DiskSettingsFile(path), NoHomeCity(), loaded, city);
    const std::string stored = Describe(loaded);
    if (stored == Describe(OldSettings()) || stored == Describe(NewSettings())) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "neither old nor new: " << stored;
}

// Names in the folder other than the file and its lock: temporary or moved-aside files.
std::vector<std::string> Litter(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != "registry.reg" && name != "registry.reg.lock") {
            names.push_back(name);
        }
    }
    return names;
}

// What the children below answer.
const std::string kSaveFailed = "failed";
const std::string kCannotArrange = "cannot arrange";  // the condition could not be set up here

std::string SaveAndReport(const fs::path& path) {
    DiskSettingsFile file(path, std::chrono::milliseconds(200));
    return SaveSettings(file, NewSettings()) ? "saved" : kSaveFailed;
}

class SettingsCrashTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.Path().empty());
        path_ = folder_.Path() / "registry.reg";
        DiskSettingsFile file(path_);
        ASSERT_TRUE(SaveSettings(file, OldSettings()));
        oldBytes_ = ReadBytes(path_);
    }

    // After a failed save the old file is there byte for byte and nothing else was left.
    void ExpectOldFileIntact() {
        EXPECT_EQ(ReadBytes(path_), oldBytes_);
        EXPECT_TRUE(LoadsAsOldOrNew(path_));
        EXPECT_EQ(Litter(folder_.Path()), std::vector<std::string>());
    }

    ScratchFolder folder_;
    fs::path path_;
    std::string oldBytes_;
};

TEST_F(SettingsCrashTest, AWriterKilledAtRandomMomentsLeavesTheOldOrTheNewSettings) {
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
                if (!SaveSettings(file, round % 2 == 0 ? NewSettings() : OldSettings())) {
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
    ASSERT_TRUE(SaveSettings(file, NewSettings()));
    EXPECT_EQ(Litter(folder_.Path()), std::vector<std::string>());
}

// A full disk made by a file-size limit: writes past it fail with EFBIG, as on a full disk.
TEST_F(SettingsCrashTest, AFileSizeLimitDuringSavingKeepsTheOldFileAndReportsFailure) {
    const auto status = RunInBoundedChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{512, 512};  // the new file is larger (the city alone is 400 bytes)
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return kCannotArrange;
        }
        return SaveAndReport(path_);
    });
    EXPECT_EQ(status, kSaveFailed);
    ExpectOldFileIntact();
}

// A folder the saving process may not write: made read-only to an unprivileged user (root
// ignores permissions, so a root test drops to nobody in the child).
TEST_F(SettingsCrashTest, AReadOnlyFolderKeepsTheOldFileAndReportsFailure) {
    for (const bool lockFileWritable : {false, true}) {
        SCOPED_TRACE(lockFileWritable ? "lock file writable" : "no lock file");
        const fs::path lockPath = folder_.Path() / "registry.reg.lock";
        std::error_code ignored;
        fs::remove(lockPath, ignored);
        if (lockFileWritable) {
            // The lock can be taken, so the save fails where it writes its temporary file.
            std::ofstream(lockPath).close();
            fs::permissions(lockPath, fs::perms::all & ~fs::perms::owner_exec &
                                          ~fs::perms::group_exec & ~fs::perms::others_exec);
        }
        fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write |
                                   fs::perms::group_read | fs::perms::others_read);
        fs::permissions(folder_.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                            fs::perms::group_read | fs::perms::group_exec |
                                            fs::perms::others_read | fs::perms::others_exec);
        const auto status = RunInBoundedChild([&] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                return kCannotArrange;
            }
            return SaveAndReport(path_);
        });
        fs::permissions(folder_.Path(), fs::perms::owner_all);
        ASSERT_NE(status, kCannotArrange) << "cannot drop to an unprivileged user";
        EXPECT_EQ(status, kSaveFailed);
        fs::remove(lockPath, ignored);
        ExpectOldFileIntact();
    }
}

}  // namespace
}  // namespace orvanta
