// A damaged settings file is told about once at load, and with its new name when a save moves
// it aside. (A FIFO at registry.reg: tests/cli/odd_files_test.cpp.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/settings_disk_file.h"
#include "settings/settings_store.h"
#include "tests/support/damaged_user_database.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::NoHomeCity;

// Loads twice and saves once: the city loaded, the save's answer and the notices.
std::string LoadLoadSave(const fs::path& file) {
    DiskSettingsFile disk(file);
    NoticeList notices;
    PrayerSettings settings;
    CityLocation city;
    LoadSettings(disk, NoHomeCity(), settings, city, &notices);
    LoadSettings(disk, NoHomeCity(), settings, city, &notices);
    std::string answer =
        city.name + (SaveSettings(disk, settings, &notices) ? " saved\n" : " refused\n");
    for (const std::string& notice : notices.Take()) {
        answer += notice + "\n";
    }
    return answer;
}

TEST(OddSettingsFileTest, ADamagedFileIsToldAtLoadAndItsNewNameWhenASaveMovesIt) {
    testing_support::ScratchFolder scratch;
    const fs::path file = scratch.Path() / "registry.reg";
    std::ofstream(file) << "not a registry export";
    const std::string answer = LoadLoadSave(file);
    const std::vector<fs::path> moved = testing_support::MovedAsideCopies(file);
    ASSERT_EQ(moved.size(), 1u) << answer;
    EXPECT_EQ(answer, "Detroit, MI saved\nthe settings file " + file.string() +
                          " is damaged; the default settings are used, and saving the settings"
                          " moves it aside\nthe settings file " +
                          file.string() + " was damaged and has been moved to " +
                          moved.front().string() + "; the settings are saved in a new file\n");
}

}  // namespace
}  // namespace orvanta
