#include "location/city_decode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace orvanta {
namespace {

std::string Full(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

struct CoordinateCase {
    const char* label;
    bool latitude;  // else longitude
    std::int64_t code;
    std::int16_t flag;  // isSouth or isWest
    std::int16_t degrees;
    std::int16_t minutes;
    double radians;  // expected bit for bit
};

TEST(CityDecodeTest, CoordinateCodesDecodeBitExactWithSignsTurnedForTheAstronomy) {
    const CoordinateCase cases[] = {
        {"latitude 21 25 N", true, 2125, 0, 21, 25, 0.3737913481354523},
        {"latitude 33 52 S", true, -3352, 1, 33, 52, -0.5910848400087463},
        {"latitude -1 is south, 0 deg 1 min", true, -1, 1, 0, 1, -0.00029088820866572158},
        {"latitude 0 is north", true, 0, 0, 0, 0, 0.0},
        {"latitude 90 N", true, 9000, 0, 90, 0, 1.5707963267948966},
        {"longitude 83 03 W is positive", false, -8303, 1, 83, 3, 1.4494959437812907},
        {"longitude 39 49 E is negative", false, 3949, 0, 39, 49, -0.694931930502409},
        {"longitude 75 W", false, -7500, 1, 75, 0, 1.3089969389957472},
        {"longitude 180 E", false, 18000, 0, 180, 0, -3.1415926535897931},
    };
    for (const CoordinateCase& c : cases) {
        SCOPED_TRACE(c.label);
        CityLocation city;
        if (c.latitude) {
            ASSERT_TRUE(DecodeLatitude(c.code, city));
            EXPECT_EQ(city.isSouth, c.flag);
            EXPECT_EQ(city.latitudeDegrees, c.degrees);
            EXPECT_EQ(city.latitudeMinutes, c.minutes);
            EXPECT_EQ(city.latitudeRad, c.radians)
                << "expected " << Full(c.radians) << " got " << Full(city.latitudeRad);
        } else {
            ASSERT_TRUE(DecodeLongitude(c.code, city));
            EXPECT_EQ(city.isWest, c.flag);
            EXPECT_EQ(city.longitudeDegrees, c.degrees);
            EXPECT_EQ(city.longitudeMinutes, c.minutes);
            EXPECT_EQ(city.longitudeRad, c.radians)
                << "expected " << Full(c.radians) << " got " << Full(city.longitudeRad);
        }
    }
}

struct RangeCase {
    const char* label;
    std::int64_t code;
    std::int64_t maxCode;
    bool valid;
};

TEST(CityDecodeTest, CodesBeyondTheRangeOrWithSixtyMinutesAreRefused) {
    const RangeCase cases[] = {
        {"latitude 9000", 9000, kMaxLatitudeCode, true},
        {"latitude 9001", 9001, kMaxLatitudeCode, false},
        {"latitude -9100", -9100, kMaxLatitudeCode, false},
        {"latitude 59 minutes", 4259, kMaxLatitudeCode, true},
        {"latitude 60 minutes", 4260, kMaxLatitudeCode, false},
        {"latitude -99 minutes", -4299, kMaxLatitudeCode, false},
        {"longitude 18000", -18000, kMaxLongitudeCode, true},
        {"longitude 18001", 18001, kMaxLongitudeCode, false},
        {"most negative 64-bit code", INT64_MIN, kMaxLongitudeCode, false},
        {"largest 64-bit code", INT64_MAX, kMaxLongitudeCode, false},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(SplitCoordinateCode(c.code, c.maxCode).has_value(), c.valid);
    }
    CityLocation untouched;
    untouched.latitudeRad = 0.25;
    EXPECT_FALSE(DecodeLatitude(9100, untouched));
    EXPECT_EQ(untouched.latitudeRad, 0.25);
}

struct BiasCase {
    const char* label;
    std::int64_t bias;
    double hours;
};

TEST(CityDecodeTest, ZoneHoursKeepHalfAndQuarterHours) {
    const BiasCase cases[] = {
        {"UTC-5", 300, -5.0},        {"UTC", 0, 0.0},
        {"Darwin", -570, 9.5},       {"India", -330, 5.5},
        {"Newfoundland", 210, -3.5}, {"Nepal", -345, 5.75},
        {"Chatham", -765, 12.75},    {"Marquesas", 570, -9.5},
        {"UTC+14", -840, 14.0},
    };
    for (const BiasCase& c : cases) {
        SCOPED_TRACE(c.label);
        const double hours = ZoneHoursFromBias(c.bias);
        EXPECT_EQ(hours, c.hours) << "expected " << Full(c.hours) << " got " << Full(hours);
    }
}

TEST(CityDecodeTest, ZoneNamesThatCouldLeaveTheZoneFolderAreRefused) {
    const struct {
        const char* name;
        bool plausible;
    } cases[] = {
        {"America/Detroit", true},
        {"America/Argentina/Buenos_Aires", true},
        {"Etc/GMT+5", true},
        {"America/Port-au-Prince", true},
        {"UTC", true},
        {"", true},
        {"../../etc/passwd", false},
        {"America/../../x", false},
        {"/etc/localtime", false},
        {"America//Detroit", false},
        {"America/Detroit/", false},
        {"./UTC", false},
        {"America/New York", false},
        {"Asia/\xC3\x9C", false},
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
