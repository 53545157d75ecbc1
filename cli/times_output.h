// How orvanta-times writes a timetable as text and as CSV.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/timetable.h"
#include "location/calculation_inputs.h"

namespace orvanta {

// The short name of a slot: "Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha".
std::string_view PrayerShortName(int slot);

// Given a slot value in hours, returns the 24-hour clock text "hh:mm" ("05:15", "00:30" for
// 24.5), rounded and wrapped into the day as the 12-hour text is; kCantDetermineText for a
// value the 12-hour text cannot show.
std::string FormatPrayerTime24(double hours);

// The header lines of a text timetable: the city's name, its coordinates (21°25′ N 39°49′ E),
// its zone (IANA name or UTC+hh:mm) and the settings used.
std::vector<std::string> DescribePlaceAndSettings(const CityLocation& city,
                                                  const PrayerSettings& settings);

// Writes the header, a blank line, then for one day six lines of display name and time
// ("Fajr (Dawn)        5:54 AM"), for several days an aligned table with a date column and one
// column per prayer. clock24: 24-hour times.
void WriteTimetableAsText(std::ostream& out, const CityLocation& city,
                          const PrayerSettings& settings, const std::vector<DatedRow>& days,
                          bool clock24);

// The header "date,prayer,hours,time", then one line per prayer per day: the ISO date, the
// prayer's short name, the stored single-precision hours printed with %.9g (so they read back
// bit-exact) and the 12-hour time text.
void WriteTimetableAsCsv(std::ostream& out, const std::vector<DatedRow>& days);

}  // namespace orvanta
