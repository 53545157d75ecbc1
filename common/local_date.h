// Today's date from the system clock.
#pragma once

#include <optional>

#include "astro/date_row.h"

namespace orvanta {

// The local Gregorian date of the system clock, taken as numbers (never from text, which the
// locale may write with other digits or in another calendar); nothing when the clock cannot be
// read or gives a date outside the years 1 .. 9999.
std::optional<CivilDate> LocalDateToday();

}  // namespace orvanta
