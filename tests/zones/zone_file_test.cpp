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
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
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
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen(("zdump -v -c 2024,2041 " + zone).c_str(), "r"), pclose);
    std::vector<ZoneTransition> changes;
    ZoneTransition last{};
    std::array<char, 512> buffer{};
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
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
    return changes;
}

TEST(ZoneFile, ChangesAndOffsetsAgreeWithZdumpFrom2024To2040) {
    // Lord Howe moves by half an hour, Casablanca around Ramadan until it keeps +00 from 2026, Nuuk
    // changed its rules in 2023 and Kathmandu does not change at all.
    // zone, changes expected at least over the 17 years
    const std::pair<const char*, std::size_t> rows[] = {
        {"America/Detroit", 34},     {"Europe/London", 34},    {"Australia/Sydney", 34},
        {"Australia/Lord_Howe", 34}, {"Africa/Casablanca", 6}, {"America/Nuuk", 34},
        {"Asia/Kathmandu", 0},
    };
    for (const auto& [zone, atLeast] : rows) {
        const std::vector<ZoneTransition> expected = ZdumpChanges(zone);
        ASSERT_GE(expected.size(), atLeast) << zone << ": is zdump installed?";
        const auto actual = ZoneTransitionsBetween(zone, k2024, k2041);
        ASSERT_TRUE(actual) << zone;
        ASSERT_EQ(actual->size(), expected.size()) << zone;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const ZoneTransition& e = expected[i];
            const ZoneTransition& a = (*actual)[i];
            EXPECT_EQ(std::tuple(a.utcSeconds, a.offsetBefore, a.offsetAfter),
                      std::tuple(e.utcSeconds, e.offsetBefore, e.offsetAfter))
                << zone << " change " << i;
            EXPECT_EQ(ZoneOffsetAtInstant(zone, e.utcSeconds - 1), e.offsetBefore);
            EXPECT_EQ(ZoneOffsetAtInstant(zone, e.utcSeconds), e.offsetAfter);
        }
    }
}

// A real compiled file's footer, and the same file cut short anywhere or with one byte changed:
// the magic, the newline before the footer, the transition count of either header. In a folder,
// only a regular, complete zone file with a plain name is read (text files, leap-second zones,
// folders and names climbing out: ZoneDaylightShifts.RejectsWhatItCannotAnswer).
TEST(ZoneFile, DamagedFilesAndOtherFilesAreNoZones) {
    const std::string good =
        testing_support::ReadBytes(std::string(kSystemZoneFolder) + "/America/Detroit");
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
    testing_support::ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::filesystem::path dir = folder.Path();
    testing_support::WriteBytes(dir / "Good", good);
    testing_support::WriteBytes(dir / "Truncated", good.substr(0, good.size() / 2));
    testing_support::WriteBytes(dir / "Empty", "");
    ASSERT_EQ(mkfifo((dir / "Fifo").c_str(), 0600), 0);
    EXPECT_TRUE(ReadZoneFile(dir.string(), "Good").has_value());
    for (const char* name : {"Truncated", "Empty", "Fifo", "Missing", "./Good"}) {
        EXPECT_FALSE(ReadZoneFile(dir.string(), name).has_value()) << name;
    }
}

}  // namespace
}  // namespace orvanta
