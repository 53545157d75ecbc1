#include "cli/times_command.h"

#include <sstream>

#include "astro/date_row.h"
#include "cli/times_options.h"
#include "cli/times_output.h"

namespace orvanta {
namespace {

constexpr const char* kProgram = "orvanta-times: ";

}  // namespace

int RunTimesCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const TodayFn& today) {
    // Everything goes to a buffer first, so a failing run prints nothing on standard output.
    std::ostringstream buffer;
    const std::variant<TimesRequest, EarlyExit> parsed = ParseTimesArguments(argc, argv, buffer);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        if (early->status != 0) {
            err << kProgram << early->message << '\n';
            return early->status;
        }
        out << buffer.str();
        return 0;
    }
    const TimesRequest& request = std::get<TimesRequest>(parsed);
    const std::optional<CivilDate> date = request.date ? request.date : today();
    if (!date) {
        err << kProgram << "could not read today's date from the system clock\n";
        return 1;
    }
    const std::optional<DayRow> row = ComputeDateRow(*date, request.city, request.settings);
    if (!row) {
        err << kProgram << "the date cannot be computed\n";
        return 1;
    }
    if (request.format == OutputFormat::Csv) {
        WriteDayAsCsv(buffer, *date, *row);
    } else {
        WriteDayAsText(buffer, *row);
    }
    out << buffer.str();
    return out.good() ? 0 : 1;
}

}  // namespace orvanta
