// `orvanta-times next`: the next prayer time from now.
#pragma once

#include <ostream>

#include "cli/times_command.h"
#include "cli/times_options.h"

namespace orvanta {

// Runs the next command: the place and settings as the times command settles them, the days
// around now from the one day pipeline (ComputeDateRange), the next event written in the
// request's format. Returns the exit status as RunTimesCommand does.
int RunNextCommand(const NextRequest& request, std::ostream& out, std::ostream& err,
                   const TimesServices& services);

}  // namespace orvanta
