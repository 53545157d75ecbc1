// The orvanta-times program as a function, so tests can run it with pinned dates.
#pragma once

#include <ostream>

#include "cli/local_date.h"

namespace orvanta {

// Runs orvanta-times with the given arguments. Writes the times to out and a one-line error to
// err. Returns the exit status: 0 done, 1 the date could not be read, 2 bad arguments. Nothing
// is written to out when the status is not 0.
int RunTimesCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const TodayFn& today);

}  // namespace orvanta
