// The project's own reader of compiled zone files, against the system's zdump (an independent
// reader of the same files), and against files in the zone folder that are not zone files.
#include "zones/zone_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scratch_database.h"
#include "zones/zone_rules.h"
#include "zones/zone_tzif.h"

namespace orvanta {
namespace {

// Seconds since 1970 of 2024-01-01 and of 2041-01-01.
constexpr std::int64_t k2024 = 1704067200;
constexpr std::int64_t k2041 = 2240611200;

// The changes zdump prints for a zone over 2024 .. 2040: it writes the last second of the old
// offset and the first of the new one, each as "... <date> UT = ... gmtoff=<seconds>".
std::vector<ZoneTransition> ZdumpChanges(const std::string& zone) {
    FILE* pipe = popen(("zdump -v -c 2024,2041 " + zone).c_str(), "r");
    std::vector<ZoneTransition> changes;
    ZoneTransition last{};
    std::array<char, 512> buffer{};
    while (pipe != nullptr && fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        std::istringstream line(buffer.data());
        std::string name, weekday;
        std::tm t{};
        const char* gmtoff = std::strstr(buffer.data(), "gmtoff=");
        if (gmtoff == nullptr || !(line >> name >> weekday >> std::get_time(&t, "%b %d %T %Y"))) {
            continue;
        }
        const ZoneTransition now{timegm(&t), last.offsetAfter, std::atoi(gmtoff + 7)};
        if (now.utcSeconds == last.utcSeconds + 1 && now.offsetAfter != now.offsetBefore) {
            changes.push_back(now);
        }
        last = now;
    }
    if (pipe != nullptr) {
        pclose(pipe);
    }
    return changes;
}

TEST(ZoneFile, ChangesAndOffsetsAgreeWithZdumpFrom2024To2040) {
    // Lord Howe moves by half an hour, Casablanca around Ramadan until it keeps +00 from 2026, Nuuk
    // changed its rules in 2023 and Kathmandu does not change at all.
    const struct {
        const char* zone;
        std::size_t atLeast;  // changes expected over the 17 years
    } rows[] = {
        {"America/Detroit", 34},     {"Europe/London", 34},    {"Australia/Sydney", 34},
        {"Australia/Lord_Howe", 34}, {"Africa/Casablanca", 6}, {"America/Nuuk", 34},
        {"Asia/Kathmandu", 0},
    };
    for (const auto& row : rows) {
        const std::vector<ZoneTransition> expected = ZdumpChanges(row.zone);
        ASSERT_GE(expected.size(), row.atLeast) << row.zone << ": is zdump installed?";
        const auto actual = ZoneTransitionsBetween(row.zone, k2024, k2041);
        ASSERT_TRUE(actual) << row.zone;
        ASSERT_EQ(actual->size(), expected.size()) << row.zone;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const ZoneTransition& e = expected[i];
            EXPECT_EQ((*actual)[i].utcSeconds, e.utcSeconds) << row.zone << " change " << i;
            EXPECT_EQ((*actual)[i].offsetBefore, e.offsetBefore) << row.zone << " change " << i;
            EXPECT_EQ((*actual)[i].offsetAfter, e.offsetAfter) << row.zone << " change " << i;
            EXPECT_EQ(ZoneOffsetAtInstant(row.zone, e.utcSeconds - 1), e.offsetBefore);
            EXPECT_EQ(ZoneOffsetAtInstant(row.zone, e.utcSeconds), e.offsetAfter);
        }
    }
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The footer of a real compiled file, and the same file cut short anywhere or with one byte
// changed: the magic, the newline before the footer, the transition count of either header.
TEST(TzifFooter, RefusesDamagedFiles) {
    const std::string good = FileBytes(std::string(kSystemZoneFolder) + "/America/Detroit");
    EXPECT_EQ(TzifFooter(good), "EST5EDT,M3.2.0,M11.1.0");
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(TzifFooter(good.substr(0, length))) << "cut to " << length << " bytes";
    }
    const std::size_t second = good.find("TZif", 4), footer = good.rfind('\n', good.size() - 2);
    for (const std::size_t at : {std::size_t{0}, footer, std::size_t{32}, second + 32}) {
        std::string bad = good;
        bad[at] = '\xFF';
        EXPECT_FALSE(TzifFooter(bad)) << "byte " << at;
    }
}

TEST(ZoneFile, OnlyRegularWellFormedZoneFilesAreZones) {
    testing_support::ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::filesystem::path dir = folder.Path();
    const std::string detroit = FileBytes(std::string(kSystemZoneFolder) + "/America/Detroit");
    ASSERT_GT(detroit.size(), 100U);
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"Good", detroit},
             {"README", "Compiled zone files are in this folder.\n"},
             {"zonenow.tab", "# tzdb timezone descriptions\nXX\t+0000+00000\tEurope/London\n"},
             {"SECURITY", ""},
             {"Truncated", detroit.substr(0, detroit.size() / 2)},
             {"LeapSeconds", FileBytes(std::string(kSystemZoneFolder) + "/right/UTC")}}) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::filesystem::create_directory(dir / "Folder");
    ASSERT_EQ(mkfifo((dir / "Fifo").c_str(), 0600), 0);
    EXPECT_TRUE(ReadZoneFile(dir.string(), "Good").has_value());
    for (const char* name : {"README", "zonenow.tab", "SECURITY", "Truncated", "LeapSeconds",
                             "Folder", "Fifo", "Missing", "./Good", "Folder/../Good"}) {
        EXPECT_FALSE(ReadZoneFile(dir.string(), name).has_value()) << name;
    }
}

}  // namespace
}  // namespace orvanta
