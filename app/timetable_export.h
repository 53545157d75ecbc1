// Writing a month of the timetable to a file through the shared CSV and iCalendar writers.
#pragma once

#include <cstdint>
#include <vector>

#include <QString>

#include "astro/calculation_inputs.h"
#include "astro/method_choice.h"
#include "timetable/timetable.h"

namespace orvanta {

enum class ExportFormat { Csv, ICalendar };

// Writes the days as the command line's csv or ics would (nowUtc: seconds since 1970 for the
// calendar's DTSTAMP), replacing the file at path in one step. False, the file untouched,
// when it cannot be written or, for iCalendar, the zone's rules cannot be read.
[[nodiscard]] bool ExportTimetable(const QString& path, ExportFormat format,
                                   const CityLocation& city, const std::vector<DatedRow>& days,
                                   const MethodChoice& choice, std::int64_t nowUtc);

}  // namespace orvanta
