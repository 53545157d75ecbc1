// orvanta-times cities: search the city databases, set the home city, add and remove the
// user's own cities.
#pragma once

#include <ostream>

#include "cli/times_command.h"
#include "cli/times_options.h"

namespace orvanta {

// Carries out the request. Writes the result to out and a one-line error (with the program
// name) to err. Returns 0 done, 1 not found or a database that cannot be read or written,
// 2 a name that is refused (not usable, already taken by a city of the user's).
int RunCitiesCommand(const CitiesRequest& request, std::ostream& out, std::ostream& err,
                     const TimesServices& services);

}  // namespace orvanta
