// Writing a month of the timetable to a file through the shared CSV and iCalendar writers.
#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QFile>
#include <QString>

#include "astro/calculation_inputs.h"
#include "astro/method_choice.h"
#include "common/atomic_file.h"
#include "timetable/timetable.h"

namespace orvanta {

enum class ExportFormat { kCsv, kICalendar };

// Writes the days as the command line's csv or ics would (nowUtc: seconds since 1970 for the
// calendar's DTSTAMP), replacing the file at path in one step (SaveExportedFile). On failure
// the file is as it was; kFailed also when, for iCalendar, the zone's rules cannot be read.
[[nodiscard]] ReplaceStatus ExportTimetable(const QString& path, ExportFormat format,
                                            const CityLocation& city,
                                            const std::vector<DatedRow>& days,
                                            const MethodChoice& choice, std::int64_t nowUtc);

// Replaces the file at path by bytes in one step, as a file the person chose: a new file gets
// mode 0666 less the umask, an existing one keeps its mode, a symbolic link's target is
// replaced, and a device, FIFO or socket at the path is refused (kNotRegular), never replaced.
[[nodiscard]] ReplaceStatus SaveExportedFile(const QString& path, const QByteArray& bytes);

}  // namespace orvanta
