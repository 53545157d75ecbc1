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
// its zone (IANA name or UTC+hh:mm) and the settings used; control characters in the name
// and zone show as visible escapes. With a choice naming a preset, the method line names it
// (DescribeMethod) instead.
std::vector<std::string> DescribePlaceAndSettings(const CityLocation& city,
                                                  const PrayerSettings& settings,
                                                  const MethodChoice* choice = nullptr);

// Writes the header, a blank line, then for one day six lines of display name and time
// ("Fajr (Dawn)        5:54 AM"), for several days an aligned table with a date column and one
// column per prayer. clock24: 24-hour times.
void WriteTimetableAsText(std::ostream& out, const CityLocation& city,
                          const PrayerSettings& settings, const std::vector<DatedRow>& days,
                          bool clock24, const MethodChoice* choice = nullptr);

}  // namespace orvanta
