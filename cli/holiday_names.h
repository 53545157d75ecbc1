// The English names of the days of the Islamic year, for the command line's output.
#pragma once

#include <string_view>

#include "hijri/hijri_holidays.h"

namespace orvanta {

// "Eid al-Fitr", "Day of Arafah", ...
std::string_view HolidayName(HijriHoliday holiday);

}  // namespace orvanta
