// The settings file when it is not what it seems: a FIFO, a folder or an unreadable file at
// registry.reg is never waited on, never replaced, and is told about once; a file that cannot
// be parsed is told about at load and, when saving moves it aside, the new name is told.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings_disk_file.h"
#include "settings/settings_store.h"
#include "tests/support/bounded_child.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

class NoHomeCity final : public HomeCitySource {
  public:
    bool ReadHomeCity(CityLocation&) const override { return false; }
};

PrayerSettings Changed() {
    PrayerSettings settings;
    settings.method = 1;
    settings.intervalMinutes = 75;
    settings.configuredCity = "Mecca";
    return settings;
}

// Loads twice and saves once in a child that an alarm ends: the loaded city and interval, the
// save's answer and the notices of the three, or "hung".
std::string LoadLoadSave(const fs::path& file) {
    return testing_support::RunInBoundedChild([&file] {
               DiskSettingsFile disk(file);
               NoticeList notices;
               PrayerSettings settings;
               CityLocation city;
               LoadSettings(disk, NoHomeCity(), settings, city, &notices);
               LoadSettings(disk, NoHomeCity(), settings, city, &notices);
               std::string answer =
                   city.name + " " + std::to_string(static_cast<int>(settings.intervalMinutes)) +
                   (SaveSettings(disk, Changed(), &notices) ? " saved\n" : " refused\n");
               for (const std::string& notice : notices.Take()) {
                   answer += notice + "\n";
               }
               return answer;
           })
        .value_or("hung");
}

TEST(OddSettingsFileTest, WhatIsNotARegularReadableFileGivesDefaultsOnceAndIsNeverReplaced) {
    struct Case {
        const char* name;
        std::function<bool(const fs::path&)> make;
        std::function<bool(const fs::path&)> unchanged;
    };
    const std::vector<Case> cases = {
        {"a FIFO", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0600) == 0; },
         [](const fs::path& p) { return fs::is_fifo(p); }},
        {"a link to a FIFO",
         [](const fs::path& p) {
             fs::path target = p;
             target += ".fifo";
             return ::mkfifo(target.c_str(), 0600) == 0 &&
                    ::symlink(target.c_str(), p.c_str()) == 0;
         },
         [](const fs::path& p) { return fs::is_fifo(p) && fs::is_symlink(p); }},
        {"a folder", [](const fs::path& p) { return fs::create_directory(p); },
         [](const fs::path& p) { return fs::is_directory(p); }},
    };
    for (const Case& c : cases) {
        testing_support::ScratchFolder scratch;
        const fs::path file = scratch.Path() / "registry.reg";
        ASSERT_TRUE(c.make(file)) << c.name;
        EXPECT_EQ(LoadLoadSave(file),
                  "Detroit, MI 90 refused\ncannot read the settings file " + file.string() +
                      " (it is not a regular file, or not readable); the default settings are"
                      " used and the file is left as it is\n")
            << c.name;
        EXPECT_TRUE(c.unchanged(file)) << c.name;
    }
}

TEST(OddSettingsFileTest, ALinkToARegularFileIsReadAndSavedThrough) {
    testing_support::ScratchFolder scratch;
    const fs::path target = scratch.Path() / "kept-elsewhere.reg";
    const fs::path file = scratch.Path() / "registry.reg";
    {
        DiskSettingsFile disk(target);
        ASSERT_TRUE(SaveSettings(disk, Changed()));
    }
    ASSERT_EQ(::symlink(target.c_str(), file.c_str()), 0);
    EXPECT_EQ(LoadLoadSave(file), "Mecca 75 saved\n");
    EXPECT_TRUE(fs::is_symlink(file));
}

TEST(OddSettingsFileTest, ADamagedFileIsToldAtLoadAndItsNewNameWhenSavingMovesIt) {
    testing_support::ScratchFolder scratch;
    const fs::path file = scratch.Path() / "registry.reg";
    std::ofstream(file, std::ios::binary) << "not a registry export\n";
    const std::string answer = LoadLoadSave(file);

    std::vector<fs::path> moved;
    for (const fs::directory_entry& entry : fs::directory_iterator(scratch.Path())) {
        if (entry.path().filename().string().rfind("registry.reg.damaged-", 0) == 0) {
            moved.push_back(entry.path());
        }
    }
    ASSERT_EQ(moved.size(), 1u) << answer;
    EXPECT_EQ(answer, "Detroit, MI 90 saved\nthe settings file " + file.string() +
                          " is damaged; the default settings are used, and saving the settings"
                          " moves it aside\nthe settings file " +
                          file.string() + " was damaged and has been moved to " +
                          moved.front().string() + "; the settings are saved in a new file\n");
    std::ifstream kept(moved.front(), std::ios::binary);
    std::string firstLine;
    std::getline(kept, firstLine);
    EXPECT_EQ(firstLine, "not a registry export");
}

}  // namespace
}  // namespace orvanta
