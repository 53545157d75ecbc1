// Daylight-saving hours and standard offsets of a city's IANA time zone, read from the system's
// compiled zone database (the one file of the zone asked for). No function here throws;
// failures come back as empty results.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/day_table.h"
#include "zones/zone_file.h"

namespace orvanta {

// The offset facts of a zone over one calendar year, judged at local noon of each day.
struct ZoneSummary {
    // The smallest total offset from Universal Time in force at local noon on any day of the
    // year, in hours, EAST positive, minutes kept (5.75 for Asia/Kathmandu).
    double zoneHours = 0.0;
    // Minus that offset in whole minutes, rounded to the nearest minute (300 for -5 hours):
    // Universal Time = local standard time + biasMinutes.
    std::int32_t biasMinutes = 0;
    // True when the offset at local noon is not the same on every day of the year.
    bool observesDst = false;
};

// Given an IANA zone name, a calendar year (1 .. 9999) and the zone's standard offset in hours
// east positive (the one the astronomy computes in), returns for each day index of the year
// (0 = 1 January) the zone's total offset in force at local noon of that date minus zoneHours,
// in hours: zoneHours + table[j] is the offset the clock shows on day j. Index 365 of a common
// year is 0. When local noon does not exist or occurs twice, the earliest instant decides.
// Years before the zone's first recorded change take its earliest rule (usually local mean
// time); years after the last listed change take the rule stated in the zone file's footer.
// Returns nothing for an empty or unknown name, a year outside 1 .. 9999 or a zoneHours that is
// not finite.
std::optional<DaylightShiftTable> ZoneDaylightShifts(std::string_view ianaName, std::int16_t year,
                                                     double zoneHours);

// Given an IANA zone name and a calendar year (1 .. 9999), returns the zone's smallest offset at
// local noon over the days of the year and whether that offset changes during the year; nothing
// for an empty or unknown name or a year outside 1 .. 9999.
std::optional<ZoneSummary> SummarizeZone(std::string_view ianaName, std::int16_t year);

// Given an IANA zone name and an instant in seconds since 1970-01-01 00:00 Universal Time
// (within the years 1 .. 9999), returns the total offset in force, seconds EAST positive;
// nothing for an empty or unknown name or an instant outside those years.
std::optional<std::int32_t> ZoneOffsetAtInstant(std::string_view ianaName, std::int64_t utcSeconds);

// Given an IANA zone name and a span of instants [fromUtc, toUtc) in seconds since 1970 UT,
// returns the changes of the zone's total offset within it, in order, each exact to the second
// (the listed ones, then two a year from the footer rule). Nothing for an unknown name or a
// span outside the years 1 .. 9999.
std::optional<std::vector<ZoneTransition>> ZoneTransitionsBetween(std::string_view ianaName,
                                                                  std::int64_t fromUtc,
                                                                  std::int64_t toUtc);

// Returns true when the name is a zone file of the system's zone database (exact spelling,
// case counts); any other file there (a table, a README) is not a zone.
bool IsKnownZone(std::string_view ianaName);

}  // namespace orvanta
