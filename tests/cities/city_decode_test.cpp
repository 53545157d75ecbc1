#include "cities/city_decode.h"
#include "cities/city_name.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

// The rules every caller applies to a city name (lookup, home city, own cities, settings).
TEST(CityName, UsableNames) {
    std::string emoji99;
    for (int i = 0; i < 99; ++i) {
        emoji99 += "\xF0\x9F\x98\x80";
    }
    const struct {
        std::string name;
        bool usable;
    } cases[] = {
        {"Z\xC3\xBCrich", true},
        {std::string(199, 'a'), true},
        {emoji99 + "x", true},
        {"", false},
        {" \t ", false},
        {std::string(200, 'a'), false},
        {emoji99 + "\xF0\x9F\x98\x80", false},  // 200 UTF-16 units
        {"Z\xFCrich", false},                   // Latin-1, not UTF-8
        {"Ca\xED\xA0\x80ro", false},  // encoded surrogate (other malformed UTF-8: CommonText)
        {std::string("a\0b", 3), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUsableCityName(c.name), c.usable) << c.name;
    }
}

TEST(CityDecodeTest, ZoneNamesThatCouldLeaveTheZoneFolderAreRefused) {
    const struct {
        const char* name;
        bool plausible;
    } cases[] = {
        {"America/Detroit", true},        {"Etc/GMT+5", true},
        {"America/Port-au-Prince", true}, {"", true},
        {"America/../../x", false},       {"/etc/localtime", false},
        {"America//Detroit", false},      {"./UTC", false},
        {"America/New York", false},      {"Asia/\xC3\x9C", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsPlausibleZoneName(c.name), c.plausible);
    }
}

// The lookup tests cover damaged coordinates and zone indexes through a database; these are
// the values a database built from the schema can hold only by mistake of type or range.
TEST(CityDecodeTest, DaylightFlagAndZoneValuesAreCheckedBeforeUse) {
    const StoredCity city{"Detroit, MI", 4220, -8303, 1};
    const auto decode = [&](std::optional<std::string> name, std::optional<std::int64_t> bias,
                            std::optional<std::int64_t> dst) {
        StoredCity named = city;
        named.name = std::move(name);
        return DecodeStoredCity(named, StoredZone{"America/Detroit", bias, dst});
    };
    EXPECT_EQ(decode("Detroit, MI", 300, -7)->supportsDst, 1);  // any nonzero flag
    EXPECT_EQ(decode("Detroit, MI", 300, 0)->supportsDst, 0);
    EXPECT_EQ(decode("Detroit, MI", -1080, 0)->zoneHours, 18.0);
    EXPECT_FALSE(decode("Detroit, MI", 300, std::nullopt));  // no daylight-saving flag
    EXPECT_FALSE(decode("Detroit, MI", 1081, 0));            // more than 18 hours
    EXPECT_FALSE(decode(std::nullopt, 300, 0));              // name not text
    EXPECT_FALSE(decode("Z\xFCrich", 300, 0));               // name not UTF-8
    EXPECT_FALSE(DecodeStoredCity(city, StoredZone{std::nullopt, 300, 0}));
}

}  // namespace
}  // namespace orvanta
