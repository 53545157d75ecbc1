// What one run of orvanta-times is asked to compute, parsed from its arguments.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "astro/date_row.h"
#include "location/calculation_inputs.h"

namespace orvanta {

enum class OutputFormat { Text, Csv };

struct TimesRequest {
    CityLocation city;              // coordinates and zone; name empty for raw coordinates
    PrayerSettings settings;        // defaults overridden by the options given
    std::optional<CivilDate> date;  // nothing: today
    OutputFormat format = OutputFormat::Text;
};

// The run ends before computing: help or version was printed (status 0), or the arguments
// were refused (status 2, with a one-line message).
struct EarlyExit {
    int status = 0;
    std::string message;  // for status 2: the error, without program name or newline
};

// Given the argument vector, returns the request, or how the run ends early. Help and version
// text is written to out.
std::variant<TimesRequest, EarlyExit> ParseTimesArguments(int argc, const char* const* argv,
                                                          std::ostream& out);

// Given "YYYY-MM-DD", returns the date when the text has that exact form and the date exists
// with a year of 1 .. 9999.
std::optional<CivilDate> ParseIsoDate(const std::string& text);

}  // namespace orvanta
