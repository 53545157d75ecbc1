// The settings file on disk: folder creation, atomic replacement, the writers' lock, and
// failures that must leave the old file in place. (A damaged file moved aside: odd_files_test.)
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "settings/registry_text.h"
#include "settings/settings_disk_file.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::NoHomeCity;

using testing_support::ReadBytes;
using testing_support::WriteBytes;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class DiskSettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(root_.empty()); }

    testing_support::ScratchFolder scratch_;
    const fs::path root_ = scratch_.Path();
};

TEST_F(DiskSettingsFileTest, FirstSaveCreatesAPrivateFolderAndLeavesNoTemporaryFile) {
    const fs::path folder = root_ / "config" / "orvanta";
    DiskSettingsFile file(folder / "registry.reg");
    EXPECT_EQ(file.Read().status, SettingsFile::ReadStatus::kMissing);

    PrayerSettings settings;
    settings.configuredCity = "Mecca";
    ASSERT_TRUE(SaveSettings(file, settings));

    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat((folder / "registry.reg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));

    PrayerSettings loaded;
    CityLocation city;
    LoadSettings(file, NoHomeCity(), loaded, city);
    EXPECT_EQ(loaded.configuredCity, "Mecca");
    EXPECT_EQ(city.name, "Mecca");
}

TEST_F(DiskSettingsFileTest, FolderThatCannotBeCreatedFailsTheSave) {
    // A path below a regular file: mkdir fails even for root, unlike a read-only folder.
    WriteBytes(root_ / "plain-file", "x");
    DiskSettingsFile file(root_ / "plain-file" / "orvanta" / "registry.reg");
    EXPECT_FALSE(SaveSettings(file, PrayerSettings{}));
    EXPECT_EQ(ReadBytes(root_ / "plain-file"), "x");
}

TEST_F(DiskSettingsFileTest, FailedReplacementLeavesTheTargetAndNoTemporaryFile) {
    // The target is a folder holding a file: the rename over it fails after the temporary
    // file was written and flushed.
    const fs::path path = root_ / "registry.reg";
    fs::create_directory(path);
    WriteBytes(path / "inside", "old");
    DiskSettingsFile file(path);
    EXPECT_FALSE(file.ReplaceAtomically("new content"));
    EXPECT_EQ(ReadBytes(path / "inside"), "old");
    EXPECT_EQ(Names(root_), std::vector<std::string>{"registry.reg"});
    // Reading a folder fails rather than looking like a missing file, so a save gives up.
    EXPECT_EQ(file.Read().status, SettingsFile::ReadStatus::kFailed);
    EXPECT_FALSE(SaveSettings(file, PrayerSettings{}));
}

TEST_F(DiskSettingsFileTest, WriterLockExcludesASecondWriterUntilReleased) {
    const fs::path path = root_ / "registry.reg";
    DiskSettingsFile first(path);
    DiskSettingsFile second(path, std::chrono::milliseconds(100));
    ASSERT_TRUE(first.LockForUpdate());
    EXPECT_FALSE(second.LockForUpdate());
    EXPECT_FALSE(SaveSettings(second, PrayerSettings{}));
    EXPECT_FALSE(fs::exists(path));
    first.Unlock();
    EXPECT_TRUE(second.LockForUpdate());
    second.Unlock();
}

TEST_F(DiskSettingsFileTest, ConcurrentSaversLeaveOneCompleteFile) {
    const fs::path path = root_ / "registry.reg";
    WriteBytes(path,
               "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Other]\n"
               "\"Keep\"=dword:00000001\n");
    const auto saver = [&](const char* city, int* failures) {
        DiskSettingsFile file(path);
        PrayerSettings settings;
        settings.configuredCity = city;
        for (int i = 0; i < 25; ++i) {
            if (!SaveSettings(file, settings)) {
                ++*failures;
            }
        }
    };
    int failuresA = 0;
    int failuresB = 0;
    std::thread a(saver, "Mecca", &failuresA);
    std::thread b(saver, "Cairo", &failuresB);
    a.join();
    b.join();
    EXPECT_EQ(failuresA + failuresB, 0);
    const std::optional<RegistryDocument> document = ParseRegistryText(ReadBytes(path));
    ASSERT_TRUE(document.has_value());
    EXPECT_NE(FindRegistryValue(*document, "HKEY_CURRENT_USER\\Other", "Keep"), nullptr);
    EXPECT_EQ(Names(root_), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(DiskSettingsFileTest, SymbolicLinkIsFollowedNotReplaced) {
    fs::create_directory(root_ / "dotfiles");
    const fs::path real = root_ / "dotfiles" / "registry.reg";
    WriteBytes(real, "Windows Registry Editor Version 5.00\n");
    fs::create_symlink(real, root_ / "registry.reg");
    DiskSettingsFile file(root_ / "registry.reg");
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    EXPECT_TRUE(fs::is_symlink(root_ / "registry.reg"));
    const std::optional<RegistryDocument> document = ParseRegistryText(ReadBytes(real));
    ASSERT_TRUE(document.has_value());
    EXPECT_TRUE(HasRegistryKey(*document, kSettingsKeyPath));
}

}  // namespace
}  // namespace orvanta
