#include "cli/times_options.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <sstream>
#include <vector>

#include "cli/cities_options.h"
#include "cli/times_option_groups.h"

namespace orvanta {
namespace {

constexpr const char* kVersionText = "orvanta-times 1.0.0";

// CLI11 messages may span lines; the command line reports one.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

constexpr const char* kDescription =
    "orvanta-times - daily Islamic prayer times, timetables and calendar files\n"
    "\n"
    "DESCRIPTION\n"
    "  Prints the six daily prayer times, Fajr (dawn), Shuruq (sunrise), Zuhr (noon),\n"
    "  Asr (afternoon), Maghrib (sunset) and Isha (night), computed offline from a\n"
    "  classical solar model, for one day or a range of days, as a table, CSV, JSON or\n"
    "  an iCalendar file.\n"
    "\n"
    "  Without options: today's times for the city the window uses (the home city,\n"
    "  else the configured city) with the saved method and Asr school. A place is\n"
    "  --city NAME, or --lat and --lon with --tz ZONE (the zone's real offsets and\n"
    "  daylight saving) or --zone HOURS [--dst] (a fixed offset). Settings given here\n"
    "  apply to this run only and are never saved.\n"
    "\n"
    "  One day (--date, or today) is computed exactly as the window computes it,\n"
    "  starting from the day before. A range (--month, --year, --from/--to; at most\n"
    "  ten years) is computed day after day, each day starting from the one before;\n"
    "  at 1 January the computation starts afresh.\n";

constexpr const char* kFooter =
    "\nCITIES\n"
    "  orvanta-times cities search TEXT [--limit N]\n"
    "      Cities whose name begins with TEXT (case and accents ignored), the user's own\n"
    "      first, then the most populous; 20 rows unless --limit says otherwise.\n"
    "  orvanta-times cities home NAME | --clear\n"
    "      Sets (or clears) the home city; NAME must be in the city databases.\n"
    "  orvanta-times cities add NAME --lat DEG --lon DEG --tz ZONE\n"
    "      Adds a city of your own; it is found before a shipped city of the same name.\n"
    "  orvanta-times cities remove NAME\n"
    "      Removes a city of your own.\n"
    "\nEXAMPLES\n"
    "  orvanta-times --city Mecca\n"
    "  orvanta-times --city \"Detroit, MI\" --month 2025-03 --24h\n"
    "  orvanta-times --city Sydney --year 2025 --format ics > prayers.ics\n"
    "  orvanta-times --lat 33.51 --lon 36.29 --tz Asia/Damascus --method interval\n"
    "\nEXIT STATUS\n"
    "  0 success; 1 city or zone not found, city database missing or unreadable, clock\n"
    "  unreadable; 2 bad or conflicting arguments. On failure one line goes to standard\n"
    "  error and nothing to standard output.\n"
    "\nFILES\n"
    "  $ORVANTA_CITY_DB, else the installed share/orvanta/cities.db: the city database,\n"
    "  only ever read. $XDG_DATA_HOME/orvanta/user.db (~/.local/share/orvanta/user.db):\n"
    "  the home city and your own cities. $XDG_CONFIG_HOME/orvanta: the window's settings.\n"
    "\nSee orvanta-times(1).\n";

// The request of a parsed times command, or the error of the group whose values conflict.
std::variant<TimesRequest, CitiesRequest, EarlyExit> TimesRequestFrom(
    const std::vector<std::unique_ptr<TimesOptionGroup>>& groups) {
    TimesRequest request;
    for (const auto& group : groups) {
        if (std::optional<std::string> error = group->Fill(request)) {
            return EarlyExit{2, std::move(*error)};
        }
    }
    return request;
}

}  // namespace

std::variant<TimesRequest, CitiesRequest, EarlyExit> ParseTimesArguments(int argc,
                                                                         const char* const* argv,
                                                                         std::ostream& out) {
    CLI::App app{kDescription, "orvanta-times"};
    app.footer(kFooter);
    app.set_version_flag("--version", kVersionText, "Print the version and exit");
    app.get_formatter()->column_width(26);

    const std::vector<std::unique_ptr<TimesOptionGroup>> groups = TimesOptionGroups();
    std::vector<CLI::Option*> timesOptions;
    for (const auto& group : groups) {
        group->Declare(app, timesOptions);
    }
    CitiesOptions cities;
    cities.Declare(app);
    app.require_subcommand(0, 1);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        std::ostringstream ignoredErrors;
        app.exit(e, out, ignoredErrors);
        return EarlyExit{0, {}};
    } catch (const CLI::ParseError& e) {
        return EarlyExit{2, OneLine(e.what())};
    }

    if (!cities.Parsed()) {
        return TimesRequestFrom(groups);
    }
    for (const CLI::Option* option : timesOptions) {
        if (option->count() > 0) {
            return EarlyExit{2, option->get_name() + " does not go with 'cities'"};
        }
    }
    return cities.Request();
}

}  // namespace orvanta
