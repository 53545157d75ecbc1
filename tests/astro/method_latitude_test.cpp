// The methods at every latitude: times against an independent ephemeris at named places, and
// the order of the six times over a grid of places, presets, rules and days.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/method_choice.h"
#include "astro/method_day_table.h"
#include "astro/method_presets.h"
#include "astro/solar_position.h"
#include "test_support.h"

namespace orvanta {
namespace {

using namespace testing;

// "h:mm:ss" (hours may pass 24 or be negative) to hours; "-" to NO_EVENT_TIME.
double Clock(const std::string& text) {
    if (text == "-") {
        return NO_EVENT_TIME;
    }
    const bool negative = text[0] == '-';
    std::istringstream in(negative ? text.substr(1) : text);
    double h = 0, m = 0, s = 0;
    char colon = 0;
    in >> h >> colon >> m >> colon >> s;
    const double hours = h + m / 60.0 + s / 3600.0;
    return negative ? -hours : hours;
}

PrayerMethod MethodOf(const std::string& preset, const std::string& rule) {
    PrayerMethod m = FindMethodPreset(preset)->method;
    if (rule != "default") {
        m.highLatitude = *ParseHighLatitudeRule(rule);
    }
    return m;
}

DayRow RowOf(const CityLocation& city, const CivilDate& date, const PrayerMethod& m) {
    const YearCalendar calendar = ComputeYearCalendar(date.year, 0);
    const int index = *DayIndexOfDate(calendar.leapYear, date.month, date.day);
    return ComputeMethodSingleDayRow(static_cast<std::int16_t>(index),
                                     ComputeYearElements(date.year), city, m, false,
                                     calendar.leapYear != 0, 0.0);
}

// Expected hours of standard time from 0h of the date (24:03 is 0:03 after midnight), from
// PyEphem 4.1.4 (Debian python3-ephem): the sun's centre at -50' for sunrise and sunset and at
// the angle for the twilights, refraction off; Asr at its shadow from the transit altitude; the
// rule's portion of the ephemeris nights (the night that ends at the date's sunrise for Fajr,
// the one that begins at its sunset for Isha); nearest-latitude as the same share of the night
// at 48.5 deg (bounded by its middle there), or the whole day there without a sunset.
// place | latitude, longitude east, zone | date | preset | rule | Fajr Shuruq Zuhr Asr Maghrib Isha
constexpr const char* kEphemeris = R"(
Reykjavik, sunset after midnight | 64.1466 -21.9426 0      | 2026 6 20  | mwl   | middle-of-night  | 1:29:16 2:55:07 13:29:23 18:22:17 24:03:46 25:29:29
Reykjavik, sunset after midnight | 64.1466 -21.9426 0      | 2026 6 20  | mwl   | seventh-of-night | 2:30:35 2:55:07 13:29:23 18:22:17 24:03:46 24:28:16
Reykjavik, sunset after midnight | 64.1466 -21.9426 0      | 2026 6 20  | mwl   | twilight-angle   | 2:03:36 2:55:07 13:29:23 18:22:17 24:03:46 24:52:21
Tromso, midnight sun             | 69.6496 18.9560 1       | 2026 7 1   | mwl   | nearest-latitude | 0:21:02 3:46:22 11:48:04 16:03:56 19:49:28 22:43:34
London, no 18 deg twilight       | 51.5074 -0.1278 0       | 2026 6 21  | mwl   | nearest-latitude | 0:14:57 3:43:06 12:02:20 16:25:10 20:21:33 23:10:34
Stockholm, no 18 deg twilight    | 59.3293 18.0686 1       | 2026 6 10  | mwl   | nearest-latitude | 0:13:40 2:33:54 11:47:10 16:26:02 21:01:08 23:02:24
Stockholm, solstice              | 59.3293 18.0686 1       | 2026 6 21  | mwl   | twilight-angle   | 0:54:01 2:30:54 11:49:32 16:29:45 21:08:10 22:39:40
Chatham, 12.75 h ahead of UT     | -43.9535 -176.5597 12.75 | 2026 6 15 | mwl   | none             | 6:19:35 8:04:11 12:31:38 14:41:29 16:59:00 18:37:49
Kiritimati, 14 h ahead of UT     | 1.8721 -157.4278 14     | 2026 6 15  | mwl   | none             | 5:07:56 6:23:12 12:30:06 15:56:27 18:37:00 19:47:52
Oslo, December                   | 59.9139 10.7522 1       | 2026 12 15 | moonsighting | default   | 6:38:38 9:13:15 12:17:06 13:05:32 15:13:48 17:45:35
)";

// The days on which a twilight only just occurs, and the first on which it does not, at 55 to
// 65 deg, for 18, 15 and 12 deg in spring and autumn (PyEphem 4.1.4 as above; "*": not compared).
// An event exists exactly when the sun reaches the angle, and its time is within a minute of the
// ephemeris.
constexpr const char* kEdges = R"(
London, 15 deg only just reached | 51.5074 -0.1278 0       | 2026 6 21  | isna  | none             | 0:15:34 3:43:06 12:02:20 16:25:10 20:21:33 23:48:58
Edinburgh, edge of 18  | 55.9533 -3.1883 0 | 2026 5 3 | karachi | none | 0:46:47 * * * * 23:47:54
Edinburgh, edge of 18  | 55.9533 -3.1883 0 | 2026 5 4 | karachi | none | 0:30:34 * * * * -
Edinburgh, edge of 18  | 55.9533 -3.1883 0 | 2026 8 8 | karachi | none | - * * * * 23:56:51
Edinburgh, edge of 18  | 55.9533 -3.1883 0 | 2026 8 9 | karachi | none | 0:40:30 * * * * 23:40:56
Helsinki, edge of 15   | 60.1699 24.9384 2 | 2026 4 29 | isna    | none | 0:58:08 * * * * 23:54:06
Helsinki, edge of 15   | 60.1699 24.9384 2 | 2026 4 30 | isna    | none | 0:40:10 * * * * -
Arkhangelsk, edge of 12 | 64.5399 40.5152 3 | 2026 4 25 | france  | none | 0:55:38 * * * * 24:00:41
Arkhangelsk, edge of 12 | 64.5399 40.5152 3 | 2026 4 26 | france  | none | 0:30:00 * * * * -
Arkhangelsk, edge of 12 | 64.5399 40.5152 3 | 2026 8 17 | france  | none | - * * * * 23:48:20
Arkhangelsk, edge of 12 | 64.5399 40.5152 3 | 2026 8 18 | france  | none | 0:56:31 * * * * 23:31:43
)";

void ExpectTable(const char* table, double toleranceMinutes) {
    for (const auto& r : TableRows(table)) {
        const std::vector<double> at = Numbers(r[1]);
        const DayRow row = RowOf(Place(at[0], at[1], at[2]), DateField(r[2]), MethodOf(r[3], r[4]));
        std::istringstream expected(r[5]);
        std::string text;
        for (int slot = 0; slot < kPrayerCount && expected >> text; ++slot) {
            if (text == "*") {
                continue;
            }
            const double want = Clock(text);
            if (IsNoEvent(static_cast<float>(want))) {
                EXPECT_TRUE(IsNoEvent(row[slot])) << r[0] << " " << r[4] << " slot " << slot;
            } else {
                EXPECT_NEAR(want * 60.0, row[slot] * 60.0, toleranceMinutes)
                    << r[0] << " " << r[2] << " " << r[4] << " slot " << slot << " (minutes)";
            }
        }
    }
}

TEST(MethodLatitude, NamedPlacesAgreeWithAnEphemeris) {
    ExpectTable(kEphemeris, 0.25);
}

TEST(MethodLatitude, TwilightAtItsEdgeAgreesWithAnEphemeris) {
    ExpectTable(kEdges, 1.0);
}

bool Shown(float t) {
    return !IsNoEvent(t);
}

// Every time shown is a finite time of its part of the day: Fajr < Shuruq < Zuhr < Asr <
// Maghrib <= Isha <= the next day's Fajr (equal only where both take the middle of the night),
// Zuhr always there. Over a few latitudes of each regime (the tropics, twilight every night,
// twilight missing in summer from 48.5 deg, no sunset in summer from 66 deg), zones up to 14 h
// ahead of and 12 h behind their solar time, every preset under every rule, one day in ten of
// 2026 (226 440 place-days); a row of a range equals its single day.
TEST(MethodLatitude, EveryShownTimeKeepsItsPlaceOnTheGrid) {
    const double zones[][2] = {
        {0.0, 0.0}, {-176.56, 12.75}, {-157.43, 14.0}, {170.0, -12.0}, {75.0, 8.0}};
    const YearElements elements = ComputeYearElements(2026);
    long placeDays = 0;
    for (const double latitude :
         {-66.0, -50.0, -18.0, 0.0, 22.0, 46.0, 54.0, 58.0, 62.0, 64.0, 66.0, 68.0}) {
        for (const auto& zone : zones) {
            const CityLocation city = Place(latitude, zone[0], zone[1]);
            for (const MethodPreset& preset : MethodPresets()) {
                for (int rule = 0; rule < 6; ++rule) {
                    PrayerMethod m = preset.method;
                    m.highLatitude = static_cast<HighLatitudeRule>(rule);
                    for (int day = 3; day < 364; day += 10, ++placeDays) {
                        DayTable t;
                        const auto first = static_cast<std::int16_t>(day);
                        ASSERT_TRUE(ComputeMethodDayTable(t, first,
                                                          static_cast<std::int16_t>(day + 2),
                                                          elements, city, m, MethodYear{}));
                        const DayRow& row = t.rows[day];
                        const std::string at =
                            std::string(preset.id) + " rule " + std::to_string(rule) +
                            " latitude " + std::to_string(latitude) + " zone " +
                            std::to_string(zone[1]) + " day " + std::to_string(day);
                        ASSERT_TRUE(Shown(row[kZuhr])) << at;
                        double last = -24.0;
                        for (int s = 0; s < kPrayerCount; ++s) {
                            if (!Shown(row[s])) {
                                continue;
                            }
                            ASSERT_TRUE(std::isfinite(row[s])) << at;
                            if (s == kIsha && Shown(row[kMaghrib])) {
                                ASSERT_GE(row[s], last) << at << " slot " << s;
                            } else {
                                ASSERT_GT(row[s], last) << at << " slot " << s;
                            }
                            last = row[s];
                        }
                        if (Shown(row[kIsha]) && Shown(t.rows[day + 1][kFajr])) {
                            ASSERT_LE(row[kIsha], t.rows[day + 1][kFajr] + 24.0 + 1e-5) << at;
                        }
                        if (rule == static_cast<int>(preset.method.highLatitude)) {
                            ASSERT_EQ(row, ComputeMethodSingleDayRow(first, elements, city, m,
                                                                     false, false, 0.0))
                                << at;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(placeDays, 226440);
}

// Each preset's own rule gives Fajr, Maghrib (by angle too) and Isha on every day of the year
// where the twilight does not end in summer; nearest-latitude gives all six times every day up to
// 80 deg either side.
TEST(MethodLatitude, DefaultsAndNearestLatitudeLeaveNoBlanks) {
    const YearElements elements = ComputeYearElements(2026);
    const auto blanks = [&](const CityLocation& city, const PrayerMethod& m, bool allSix) {
        DayTable t;
        EXPECT_TRUE(ComputeMethodDayTable(t, 0, 365, elements, city, m, MethodYear{}));
        int n = 0;
        for (int day = 0; day < 365; ++day) {
            for (int s = 0; s < kPrayerCount; ++s) {
                n += (allSix || s == kFajr || s == kMaghrib || s == kIsha) && !Shown(t.rows[day][s])
                         ? 1
                         : 0;
            }
        }
        return n;
    };
    // London, Edinburgh, Stockholm, and Reykjavik, where the sun sets every night but stays
    // within 2.4 deg of the horizon in June (no Maghrib at 4 deg there).
    const CityLocation cities[] = {Place(51.5074, -0.1278, 0), Place(55.9533, -3.1883, 0),
                                   Place(59.3293, 18.0686, 1), Place(64.1466, -21.9426, 0)};
    for (const MethodPreset& preset : MethodPresets()) {
        for (const CityLocation& city : cities) {
            EXPECT_EQ(blanks(city, preset.method, false), 0) << preset.id;
        }
    }
    PrayerMethod m = FindMethodPreset("mwl")->method;
    m.highLatitude = HighLatitudeRule::kNearestLatitude;
    for (double latitude = -80.0; latitude <= 80.0; latitude += 10.0) {
        EXPECT_EQ(blanks(Place(latitude, 18.9, 1), m, true), 0) << latitude;
    }
}

}  // namespace
}  // namespace orvanta
