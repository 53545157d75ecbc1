// The compiled zone file's footer and the POSIX rule the footer holds.
#include "zones/zone_tzif.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "zones/zone_posix_rule.h"

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

// Seconds since 1970-01-01 00:00 UTC of a UTC date and time, by the standard library.
std::int64_t Utc(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    return date.time_since_epoch().count() * 86400 + hour * 3600 + minute * 60 + second;
}

TEST(ParsePosixZoneRule, RejectsMalformedText) {
    for (const char* text : {"", "ES5", "EST5EDT,M3.2.0", "EST5EDT,M13.2.0,M11.1.0",
                             "EST5EDT,M3.6.0,M11.1.0", "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,J0,J365",
                             "EST5EDT,366,0", "EST5EDT,M3.2.0/168,M11.1.0", "EST25", "EST5:60",
                             "<AB>5", "<+0545-5:45", "EST5EDT,M3.2.0,M11.1.0x"}) {
        EXPECT_FALSE(ParsePosixZoneRule(text).has_value()) << "\"" << text << "\"";
    }
}

TEST(PosixRuleOffsetAt, SwitchesAtTheTransitionInstants) {
    const char* us = "EST5EDT,M3.2.0,M11.1.0";
    const char* sydney = "AEST-10AEDT,M10.1.0,M4.1.0/3";
    const char* dublin = "IST-1GMT0,M10.5.0,M3.5.0/1";
    const char* nuuk = "<-02>2<-01>,M3.5.0/-1,M10.5.0/0";
    const char* alwaysAhead = "EST5EDT,0/0,J365/25";
    const struct {
        const char* label;
        const char* rule;
        std::int64_t utc;
        std::int32_t expected;
    } rows[] = {
        {"US before spring", us, Utc(2026, 3, 8, 6, 59, 59), -18000},
        {"US at spring", us, Utc(2026, 3, 8, 7, 0, 0), -14400},
        {"Sydney before April", sydney, Utc(2026, 4, 4, 15, 59, 59), 39600},
        {"Sydney at April", sydney, Utc(2026, 4, 4, 16, 0, 0), 36000},
        {"Sydney New Year", sydney, Utc(2026, 12, 31, 13, 30, 0), 39600},
        {"Dublin before March", dublin, Utc(2026, 3, 29, 0, 59, 59), 0},
        {"Dublin at March", dublin, Utc(2026, 3, 29, 1, 0, 0), 3600},
        {"Nuuk before March", nuuk, Utc(2026, 3, 29, 0, 59, 59), -7200},
        {"Nuuk at March", nuuk, Utc(2026, 3, 29, 1, 0, 0), -3600},
        {"Always ahead, 1 Jan", alwaysAhead, Utc(2026, 1, 1, 5, 0, 0), -14400},
        {"Always ahead, 31 Dec leap", alwaysAhead, Utc(2025, 1, 1, 4, 59, 59), -14400},
        {"Fixed", "<+0545>-5:45", Utc(2026, 7, 1, 0, 0, 0), 20700},
        {"Before J60/2:30", "XXX3XXY,J60/2:30,300/-167:59:59", Utc(2026, 3, 1, 5, 29, 59), -10800},
        {"At J60/2:30", "XXX3XXY,J60/2:30,300/-167:59:59", Utc(2026, 3, 1, 5, 30, 0), -7200},
    };
    for (const auto& row : rows) {
        const auto rule = ParsePosixZoneRule(row.rule);
        ASSERT_TRUE(rule.has_value()) << row.label;
        EXPECT_EQ(PosixRuleOffsetAt(*rule, row.utc), row.expected) << row.label;
    }
}

}  // namespace
}  // namespace orvanta
