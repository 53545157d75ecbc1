// The Hijri date of each day of a timetable.
#pragma once

#include <vector>

#include "timetable/timetable.h"

namespace orvanta {

// Gives each day its Umm al-Qura date moved by offsetDays (-2 .. +2; HijriDateOf); a day before
// 1 AH gets none. False, leaving every day without one, when the offset is out of range or ICU
// fails.
[[nodiscard]] bool AddHijriDates(std::vector<DatedRow>& days, int offsetDays);

}  // namespace orvanta
