// How orvanta-times writes a day's six times.
#pragma once

#include <ostream>

#include "astro/date_row.h"
#include "astro/day_table.h"

namespace orvanta {

// Six lines: the prayer's display name, then its time text ("Fajr (Dawn)        5:54 AM").
void WriteDayAsText(std::ostream& out, const DayRow& row);

// The header "date,prayer,hours,time", then one line per prayer: the ISO date, the prayer's
// name, the stored single-precision hours printed with %.9g (so they read back bit-exact) and
// the time text.
void WriteDayAsCsv(std::ostream& out, const CivilDate& date, const DayRow& row);

}  // namespace orvanta
