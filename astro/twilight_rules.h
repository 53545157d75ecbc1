// The small rules a method applies to a day's computed times: the high-latitude portion of the
// night, the Moonsighting Committee's seasonal twilight, and the rounding to whole minutes.
// All times in decimal hours of the zone's standard time, not wrapped into a day.
#pragma once

#include "astro/prayer_method.h"

namespace orvanta {

// Given a rule and the twilight angle in degrees it bounds, returns the fraction of the night
// the twilight may last: 0.5, 1/7, angle / 60, or 0 for None (no bound).
double NightPortion(HighLatitudeRule rule, double angleDeg);

// Given the days since the winter solstice of the place's hemisphere (0 .. 365; 21 December in
// the north, 21 June in the south), returns the lengths in minutes, from the latitude in
// degrees (sign ignored), of the Moonsighting Committee's seasonal twilights: the longest
// Fajr may lie before sunrise, and the longest Isha may lie after sunset. The four anchor
// values at the solstices and the equinox season are linear in |latitude| and joined by
// straight lines over spans of 91, 46, 46, 46, 46 and 91 days.
struct SeasonalTwilight {
    double fajrMinutes = 0.0;
    double ishaMinutes = 0.0;
};
SeasonalTwilight MoonsightingTwilight(double latitudeDeg, int daysSinceWinterSolstice);

// Given the day index in its year (0 = 1 January), whether the year is a leap year, and
// whether the place is south of the equator, returns the days since the hemisphere's last
// winter solstice, counted from 21 December (north) or 21 June (south).
int DaysSinceWinterSolstice(int dayIndex, bool leapYear, bool south);

// Given a time in hours, returns it rounded up to the next whole minute; a time within a
// microsecond above a whole minute is that minute. Times above 360 (no event) pass unchanged.
double RoundUpToMinute(double hours);

}  // namespace orvanta
