// The clock text of a slot value: the 12-hour rules, the minute carry, times outside one day
// and values that are no time at all.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "astro/time_text.h"

namespace orvanta {
namespace {

TEST(FormatPrayerTime, TimesOfOneDay) {
    struct Row {
        double hours;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {5.25, "  5:15 AM"},         {0.75, "  0:45 AM"},  // hour 0 shows as 0, not 12
        {0.0, "  0:00 AM"},          {12.5, " 12:30 PM"},   {11.5, " 11:30 AM"},
        {13.0, "  1:00 PM"},         {6.9999, "  7:00 AM"},  // minutes round to 60 and carry
        {11.9999, " 12:00 PM"},                              // the carry reaches noon
        {59.5 / 60.0, "  1:00 AM"},                          // half a minute rounds up
        {59.49 / 60.0, "  0:59 AM"}, {23.5, " 11:30 PM"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatPrayerTime(row.hours), row.expected) << std::hexfloat << row.hours;
    }
}

TEST(FormatPrayerTime, TimesOutsideOneDayAreWrappedIntoIt) {
    struct Row {
        double hours;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {-0.5, " 11:30 PM"},  // an interval taken back across midnight
        {24.0, "  0:00 AM"},
        {24.5, "  0:30 AM"},  // a daylight-saving hour past midnight
        {30.2, "  6:12 AM"},  // a zone far ahead of its longitude
        {-24.0, "  0:00 AM"},
        {48.0, "  0:00 AM"},
        {-23.75, "  0:15 AM"},
        // Just before midnight rounds to midnight, not noon.
        {23.9999, "  0:00 AM"},
        {23.0 + 59.5 / 60.0, "  0:00 AM"},
        {-0.004, "  0:00 AM"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatPrayerTime(row.hours), row.expected) << row.hours;
    }
}

TEST(FormatPrayerTime, ValuesThatAreNoTimeCannotBeDetermined) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> values = {
        10'000'000.0,  // no event
        10'000'001.0,  // no event after a daylight-saving hour
        360.0,         // far outside one day
        48.01,
        -24.01,
        4294967295.0 / 60.0,  // an interval of 2^32 - 1 minutes
        -4294967295.0 / 60.0,
        1e300,
        -1e300,
        static_cast<double>(std::numeric_limits<float>::max()),
        nan,
        inf,
        -inf,
    };
    for (const double value : values) {
        EXPECT_EQ(FormatPrayerTime(value), kCantDetermineText) << value;
    }
}

// Hour and minute text for 0 <= v < 23:59:30 by the classic steps: h = floor(v), minutes
// rounded half up, carry at 60, suffix after the carry.
std::string ClassicText(double v) {
    int h = static_cast<int>(std::floor(v));
    int m = static_cast<int>((v - h) * 60.0 + 0.5);
    if (m >= 60) {
        ++h;
        m = 0;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%3d:%02d %s", h > 12 ? h - 12 : h, m, h < 12 ? "AM" : "PM");
    return text;
}

TEST(FormatPrayerTime, AgreesWithTheClassicStepsOnEveryStoredValueOfADay) {
    // Every single-precision value near each half-minute boundary, and a dense sweep.
    for (int halfMinutes = 0; halfMinutes < 2 * 1439 + 1; ++halfMinutes) {
        float v = static_cast<float>(halfMinutes / 120.0);
        for (int step = 0; step < 8; ++step) {
            const double hours = static_cast<double>(v);
            ASSERT_EQ(FormatPrayerTime(hours), ClassicText(hours)) << std::hexfloat << hours;
            v = std::nextafter(v, 0.0f);
        }
    }
    for (double hours = 0.0; hours < 23.99; hours += 0.000731) {
        ASSERT_EQ(FormatPrayerTime(hours), ClassicText(hours)) << hours;
    }
}

TEST(PrayerDisplayName, NamesInSlotOrder) {
    const char* expected[] = {"Fajr (Dawn)",     "Shuruq (Sunrise)", "Zuhr (Noon)",
                              "Asr (Afternoon)", "Maghrib (Sunset)", "Isha (Night)"};
    for (int s = 0; s < kPrayerCount; ++s) {
        EXPECT_EQ(PrayerDisplayName(static_cast<PrayerSlot>(s)), expected[s]);
    }
}

}  // namespace
}  // namespace orvanta
