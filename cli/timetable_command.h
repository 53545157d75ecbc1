// orvanta-times timetable: import a mosque's printed timetable for a city, list the stored
// ones, remove one; and the stored days a times or next run uses.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "cli/run_setup.h"
#include "cli/times_command.h"
#include "cli/times_options.h"
#include "common/printed_timetable.h"

namespace orvanta {

// Carries out the request. Returns 0 done; 1 a city, file or timetable not found, a file
// refused (each bad line written to err, nothing stored) or a database that cannot be read or
// written.
int RunTimetableCommand(const TimetableRequest& request, std::ostream& out, std::ostream& err,
                        const TimesServices& services);

// The sentence for a fault of a file, without its file and line ("Asr is not after Zuhr").
std::string PrintedFaultText(const PrintedFaultAt& fault);

// The stored printed days of the run's city from firstDay to lastDay (day numbers); none for a
// place given by coordinates or without a per-user database.
PrintedDays PrintedDaysOfRun(const TimesServices& services, const RunSetup& setup,
                             LocationSource source, std::int64_t firstDay, std::int64_t lastDay);

}  // namespace orvanta
