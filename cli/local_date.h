// Today's date from the system clock.
#pragma once

#include <functional>
#include <optional>

#include "astro/date_row.h"

namespace orvanta {

// Supplies today's civil date; tests pin it.
using TodayFn = std::function<std::optional<CivilDate>()>;

// The local Gregorian date of the system clock, taken as numbers; nothing when the clock
// cannot be read or gives a date outside 1 .. 9999.
std::optional<CivilDate> LocalDateToday();

}  // namespace orvanta
