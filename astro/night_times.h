// The night's other times: Imsak before Fajr, the Islamic midnight and the start of the last
// third of the night. Pure arithmetic on the times of one evening and the next morning.
#pragma once

#include <optional>

#include "astro/prayer_method.h"

namespace orvanta {

// Hours of one timescale (the caller's: Universal Time after the evening's date's 0h UT).
// NO_EVENT_TIME or anything above 360 means the event does not happen.
struct NightEvents {
    double fajr = 0.0;         // the date's Fajr, as shown (method minutes and adjustments in)
    double sunset = 0.0;       // the date's sunset, the sun's upper limb on the horizon
    double nextFajr = 0.0;     // the next date's Fajr, as shown; about 24 h after fajr
    double nextSunrise = 0.0;  // the next date's sunrise, without any method minutes
};

// Same timescale as NightEvents; nothing where an event the time needs does not happen (a day
// without Fajr at high latitude and no rule to give one; a day without sunset or sunrise).
struct NightTimes {
    std::optional<double> imsak;      // Fajr - the Imsak minutes
    std::optional<double> midnight;   // half of the night after sunset
    std::optional<double> lastThird;  // two thirds of the night after sunset
};

// Given the evening's and the next morning's events, the end of the night the method counts
// to and the minutes of Imsak before Fajr (0 .. kMaxImsakMinutes), returns the night's times.
// The night runs from sunset to the next sunrise (NightEnd::kSunrise) or to the next Fajr
// (NightEnd::kFajr); a night of 0 or more than 24 hours gives nothing.
NightTimes ComputeNightTimes(const NightEvents& events, NightEnd end, int imsakMinutes);

// The method whose Shuruq and Maghrib slots are sunrise and sunset themselves: no Maghrib angle,
// no authority or user minutes on those two slots, everything else as given. Its day row gives
// the ends of the night that NightEvents takes.
PrayerMethod SunEventsMethod(PrayerMethod method);

}  // namespace orvanta
