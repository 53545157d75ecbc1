// A timetable as an iCalendar file (RFC 5545) that calendar programs import.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "astro/calculation_inputs.h"
#include "timetable/timetable.h"

namespace orvanta {

// Writes a VCALENDAR with one VEVENT per prayer per day that has a time (none for a time that
// does not exist). Lines end in CRLF and are folded at 75 octets. For a city with an IANA zone,
// each DTSTART is local time with that TZID, and a VTIMEZONE gives the zone's offsets over the
// range (one observance per change of offset, so it is exact for the years covered); for a
// zone given only as a fixed offset, DTSTART is in Universal Time ("Z") and no VTIMEZONE is
// written. UID is stable for a date, prayer and place; DTSTAMP is nowUtc (seconds since 1970).
// Returns false, having written nothing, when the zone's rules cannot be read.
[[nodiscard]] bool WriteTimetableAsIcs(std::ostream& out, const CityLocation& city,
                                       const std::vector<DatedRow>& days, std::int64_t nowUtc);

// Folds one content line (without its CRLF) into lines of at most 75 octets each, continuation
// lines starting with a space, never splitting a UTF-8 sequence; each line ends in CRLF.
std::string FoldContentLine(std::string_view line);

// Escapes a TEXT value: backslash, semicolon, comma and newline.
std::string EscapeText(std::string_view text);

}  // namespace orvanta
