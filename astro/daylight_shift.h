// The daylight-saving shifts of the fixed window.
#pragma once

#include "astro/calendar.h"
#include "astro/day_table.h"

namespace orvanta {

// Given a year's fixed window (days counted from 1, both included), returns 1.0 hour on the
// day indexes firstDay - 1 .. lastDay - 1 and 0 elsewhere; all zeros when lastDay is 0.
DaylightShiftTable DaylightShiftFromWindow(const DstWindow& window);

}  // namespace orvanta
