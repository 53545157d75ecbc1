// How orvanta-times writes a timetable as text.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "astro/calculation_inputs.h"
#include "astro/method_choice.h"
#include "timetable/timetable.h"

namespace orvanta {

// The header lines of a text timetable: the city's name, its coordinates (21°25′ N 39°49′ E),
// its zone (IANA name or UTC+hh:mm), the Qibla (degrees clockwise from true north, to a
// tenth) and the settings used; control characters in the name
// and zone show as visible escapes. With a choice naming a preset, the method line names it
// (DescribeMethod) instead.
std::vector<std::string> DescribePlaceAndSettings(const CityLocation& city,
                                                  const PrayerSettings& settings,
                                                  const MethodChoice* choice = nullptr);

// Writes the header (for one day the date with its Hijri date, "2026-12-06 (26 Jumada II
// 1448)"), a blank line, then for one day six lines of display name and time
// ("Fajr (Dawn)        5:54 AM"; on a Friday Zuhr is "Jumu'ah (Friday)"), for several days an
// aligned table with a date column, one column per prayer and, last, the Hijri date. clock24:
// 24-hour times. The Hijri dates are the days' own (AddHijriDates); without them there are none.
// Days computed with their night add Imsak, Midnight and Last third: three lines for one day (a
// time past midnight followed by its date), three columns after the Hijri date for several (" +1"
// past midnight).
void WriteTimetableAsText(std::ostream& out, const CityLocation& city,
                          const PrayerSettings& settings, const std::vector<DatedRow>& days,
                          bool clock24, const MethodChoice* choice = nullptr);

}  // namespace orvanta
