// A timetable as CSV.
#pragma once

#include <ostream>
#include <vector>

#include "timetable/timetable.h"

namespace orvanta {

// The header "date,prayer,hours,time,hijri", then one line per prayer per day: the ISO date, the
// prayer's short name, the stored single-precision hours printed with %.9g (so they read back
// bit-exact; a time that does not exist is above 360, 10000000 or 10000001 with a day's
// daylight-saving hour), the time text (TimeField: 12-hour, or 24-hour with clock24) and the
// day's Hijri date as "1448-09-01" (empty when the day has none). Columns are only ever added
// at the end, so that readers by position keep working. A day computed with its night adds
// lines for Imsak, Midnight and LastThird after its six (hours above 24 on the next date). With
// extras, a last column "holiday" holds the day's HolidayId ("eid-al-fitr"), empty on other days.
void WriteTimetableAsCsv(std::ostream& out, const std::vector<DatedRow>& days, bool clock24 = false,
                         bool extras = false);

}  // namespace orvanta
