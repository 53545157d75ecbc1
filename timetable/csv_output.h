// A timetable as CSV.
#pragma once

#include <ostream>
#include <vector>

#include "timetable/timetable.h"

namespace orvanta {

// The header "date,prayer,hours,time", then one line per prayer per day: the ISO date, the
// prayer's short name, the stored single-precision hours printed with %.9g (so they read back
// bit-exact) and the 12-hour time text.
void WriteTimetableAsCsv(std::ostream& out, const std::vector<DatedRow>& days);

}  // namespace orvanta
