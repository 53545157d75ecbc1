// A timetable as CSV.
#pragma once

#include <ostream>
#include <vector>

#include "timetable/timetable.h"

namespace orvanta {

// The header "date,prayer,hours,time", then one line per prayer per day: the ISO date, the
// prayer's short name, the stored single-precision hours printed with %.9g (so they read back
// bit-exact; a time that does not exist is above 360, 10000000 or 10000001 with a day's
// daylight-saving hour) and the time text (TimeField: 12-hour, or 24-hour with clock24).
void WriteTimetableAsCsv(std::ostream& out, const std::vector<DatedRow>& days,
                         bool clock24 = false);

}  // namespace orvanta
