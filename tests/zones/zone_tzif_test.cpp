#include "zones/zone_tzif.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

std::string BigEndian32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 3; i >= 0; --i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

// A header with one transition, one type, four abbreviation characters and no leap seconds
// (or the given transition count), followed by its data block of zeros.
std::string Block(char version, int timeBytes, std::uint32_t timeCount = 1) {
    std::string block = "TZif";
    block += version;
    block += std::string(15, '\0');
    for (std::uint32_t count : {0U, 0U, 0U, timeCount, 1U, 4U}) {
        block += BigEndian32(count);
    }
    if (timeCount == 1) {
        block += std::string(static_cast<std::size_t>(timeBytes) + 1 + 6 + 4, '\0');
    }
    return block;
}

std::string File(char version, const std::string& footer) {
    return Block(version, 4) + Block(version, 8) + "\n" + footer + "\n";
}

TEST(TzifFooter, RefusesDamagedFiles) {
    const std::string good = File('2', "EST5EDT,M3.2.0,M11.1.0");
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(TzifFooter(good.substr(0, length))) << "cut to " << length << " bytes";
    }
    std::string badMagic = good;
    badMagic[0] = 'X';
    // Bad magic, no newline before the footer, transition counts beyond the end of the file.
    for (const std::string& bad : {badMagic, Block('2', 4) + Block('2', 8) + "EST5\n",
                                   Block('2', 4, 0xFFFFFFFFU) + "\nEST5\n",
                                   Block('2', 4) + Block('2', 8, 0xFFFFFFFFU) + "\nEST5\n"}) {
        EXPECT_FALSE(TzifFooter(bad)) << bad.size() << " bytes";
    }
}

TEST(VersionFromTzdataZi, ReadsTheFirstLine) {
    const struct {
        const char* text;
        const char* expected;
    } rows[] = {
        {"# version 2026f\n# more\n", "2026f"}, {"# version 2026f\r\n", "2026f"},
        {"# version 2026f  \n", "2026f"},       {"# version \n", "<none>"},
        {"#version 2026f\n", "<none>"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(VersionFromTzdataZi(row.text).value_or("<none>"), row.expected)
            << "\"" << row.text << "\"";
    }
}

TEST(ReadTzdbVersion, PrefersTheStampFileThenTzdataZi) {
    const testing_support::ScratchFolder scratch;
    const std::string dir = scratch.Path().string();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(ReadTzdbVersion(dir), "") << "empty directory";
    std::ofstream(scratch.Path() / "tzdata.zi") << "# version 2031b\nZ X 0 - X\n";
    EXPECT_EQ(ReadTzdbVersion(dir), "2031b");
    std::ofstream(scratch.Path() / "+VERSION") << "2031c\n";
    EXPECT_EQ(ReadTzdbVersion(dir), "2031c");
}

}  // namespace
}  // namespace orvanta
