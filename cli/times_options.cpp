#include "cli/times_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

#include "cli/cities_options.h"
#include "cli/method_overrides.h"
#include "cli/next_options.h"
#include "cli/parse_errors.h"
#include "cli/times_option_groups.h"
#include "cli/timetable_options.h"

namespace orvanta {
namespace {

constexpr const char* kVersionText = "orvanta-times 1.0.0";

constexpr const char* kDescription =
    "orvanta-times: the six daily prayer times of a day or a range, as text, CSV, JSON or "
    "iCalendar.\n"
    "Without options: today, for the window's city and saved settings; options change this run "
    "only.\n";

constexpr const char* kFooter =
    "Commands:\n"
    "  cities search TEXT [--limit N]                  find cities by the beginning of the name\n"
    "  cities nearest LAT LON [--limit N]              the cities nearest to a point\n"
    "  cities home NAME | --clear                      set or clear the home city\n"
    "  cities add NAME --lat DEG --lon DEG --tz ZONE   add a city of your own\n"
    "  cities remove NAME                              remove a city of your own\n"
    "  presets                                         list the methods of the authorities\n"
    "  next [--format text|json|waybar] [--now TIME]   the next prayer time from now\n"
    "  holidays [--year Y] [--format text|json|ics]    the days of the Islamic year in year Y\n"
    "  timetable import FILE|list|remove [--city NAME] a mosque's printed timetable\n"
    "  A NAME that begins with '-' follows --: cities add -- -Name --lat ...\n"
    "\nExamples:\n"
    "  orvanta-times --city \"Detroit, MI\" --month 2025-03 --24h\n"
    "  orvanta-times --lat 33.51 --lon 36.29 --tz Asia/Damascus --preset mwl --format csv\n"
    "\nExit status: 0 done; 1 city not found, or a database, the clock or the output\n"
    "cannot be read or written; 2 bad arguments (an unknown zone too). See orvanta-times(1).\n";

// The arguments after the program name in the order CLI11 reads them. A "--" makes the next
// argument a name even when it begins with '-'; options may still follow that name, so the
// pair moves to the end where CLI11 expects it ("cities add -- -Name --lat 1 ..." reads as
// "cities add --lat 1 ... -- -Name").
std::vector<std::string> ArgumentsForParser(int argc, const char* const* argv) {
    std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    const auto mark = std::find(args.begin(), args.end(), "--");
    if (mark != args.end() && mark + 1 != args.end()) {
        const std::string name = *(mark + 1);
        args.erase(mark, mark + 2);
        args.push_back("--");
        args.push_back(name);
    }
    std::reverse(args.begin(), args.end());  // CLI11 takes them last first
    return args;
}

// The command that the first argument names, if any. A run holds at most one command, so CLI11
// matches no other command after it; the main command's options are matched after it only
// when the command hands unknown options on (next and holidays); before it there is nothing.
// A run therefore declares only what its arguments can reach: declaring every option and
// command is about a third of the work of a short run such as `cities search` or `next`.
enum class FirstCommand { kNone, kCities, kPresets, kNext, kHolidays, kTimetable };

FirstCommand FirstCommandOf(int argc, const char* const* argv) {
    if (argc < 2) {
        return FirstCommand::kNone;
    }
    const std::string_view first = argv[1];
    if (first == "cities") {
        return FirstCommand::kCities;
    }
    if (first == "presets") {
        return FirstCommand::kPresets;
    }
    if (first == "next") {
        return FirstCommand::kNext;
    }
    if (first == "holidays") {
        return FirstCommand::kHolidays;
    }
    return first == "timetable" ? FirstCommand::kTimetable : FirstCommand::kNone;
}

// The request of a parsed times command, or the error of the group whose values conflict.
ParsedArguments TimesRequestFrom(const std::vector<std::unique_ptr<TimesOptionGroup>>& groups) {
    TimesRequest request;
    for (const auto& group : groups) {
        if (std::optional<std::string> error = group->Fill(request)) {
            return EarlyExit{2, std::move(*error)};
        }
    }
    return request;
}

// The request of `next`: the times command's options but those that choose days or a format of
// the timetable.
ParsedArguments NextRequestFrom(const NextOptions& next,
                                const std::vector<CLI::Option*>& timesOptions,
                                ParsedArguments times) {
    for (const CLI::Option* option : timesOptions) {
        const std::string name = option->get_name();
        if (option->count() > 0 &&
            (name == "--date" || name == "--month" || name == "--year" || name == "--from" ||
             name == "--to" || name == "--format" || name == "--extras")) {
            return EarlyExit{2, name + " does not go with next"};
        }
    }
    if (auto* request = std::get_if<TimesRequest>(&times)) {
        return next.Request(std::move(*request));
    }
    return times;
}

// The request of `holidays`: of the times command's options only --year, --format (not csv)
// and --hijri-offset have a meaning there.
ParsedArguments HolidaysRequestFrom(const std::vector<CLI::Option*>& timesOptions,
                                    ParsedArguments times) {
    for (const CLI::Option* option : timesOptions) {
        const std::string name = option->get_name();
        if (option->count() > 0 && name != "--year" && name != "--format" &&
            name != "--hijri-offset") {
            return EarlyExit{2, name + " does not go with holidays"};
        }
    }
    const auto* request = std::get_if<TimesRequest>(&times);
    if (request == nullptr) {
        return times;
    }
    if (request->format == OutputFormat::kCsv) {
        return EarlyExit{2, "holidays are written as text, json or ics, not csv"};
    }
    HolidaysRequest holidays;
    if (request->range) {
        holidays.year = request->range->first.year;
    }
    holidays.format = request->format;
    holidays.overrides = request->overrides;
    return holidays;
}

// The options and commands of one run: those its arguments can reach (see FirstCommand).
struct Declared {
    std::vector<std::unique_ptr<TimesOptionGroup>> groups;  // the main command's options
    std::vector<CLI::Option*> timesOptions;
    CitiesOptions cities;
    CLI::App* presets = nullptr;
    NextOptions next;
    CLI::App* holidays = nullptr;
    TimetableOptions timetable;
};

// Whether an argument names one of names: an option as "--city" or "--city=Mecca", a command
// by its word; or asks for help, which lists them all. CLI11 matches an option or a command only
// by such an argument, so one that no argument names is left out: it would match nothing (a
// value that happens to be such a name only makes it declared, as it always was).
bool NamesAnyOf(int argc, const char* const* argv, std::span<const std::string_view> names) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::string_view name = argument.substr(0, argument.find('='));
        if (argument == "-h" || argument == "--help" ||
            std::find(names.begin(), names.end(), name) != names.end()) {
            return true;
        }
    }
    return false;
}

void DeclareReachable(CLI::App& app, int argc, const char* const* argv, Declared& declared) {
    const FirstCommand first = FirstCommandOf(argc, argv);
    const auto declares = [first](FirstCommand command) {
        return first == FirstCommand::kNone || first == command;
    };
    if (declares(FirstCommand::kNext) || first == FirstCommand::kHolidays) {
        declared.groups = TimesOptionGroups();
    }
    for (const auto& group : declared.groups) {
        if (NamesAnyOf(argc, argv, group->Names())) {
            group->Declare(app, declared.timesOptions);
        }
    }
    if (declares(FirstCommand::kCities)) {
        declared.cities.Declare(app, [argc, argv](std::string_view name) {
            return NamesAnyOf(argc, argv, std::span<const std::string_view>(&name, 1));
        });
    }
    if (declares(FirstCommand::kPresets)) {
        declared.presets = app.add_subcommand("presets", "List the methods of the authorities");
    }
    if (declares(FirstCommand::kNext)) {
        declared.next.Declare(app);
    }
    if (declares(FirstCommand::kHolidays)) {
        declared.holidays =
            app.add_subcommand("holidays", "The days of the Islamic year in a Gregorian year");
        // --year, --format and --hijri-offset are the main command's.
        declared.holidays->fallthrough();
    }
    if (declares(FirstCommand::kTimetable)) {
        declared.timetable.Declare(app);
    }
}

}  // namespace

ParsedArguments ParseTimesArguments(int argc, const char* const* argv, std::ostream& out) {
    CLI::App app{kDescription, "orvanta-times"};
    app.set_help_flag("-h,--help", "Print this help and exit");
    app.set_version_flag("--version", kVersionText, "Print the version and exit");
    app.get_formatter()->column_width(30);
    app.allow_extras();  // reported below, in our words; the subcommands inherit it

    Declared declared;
    DeclareReachable(app, argc, argv, declared);
    const auto& [groups, timesOptions, cities, presets, next, holidays, timetable] = declared;
    for (CLI::App* command : app.get_subcommands({})) {
        command->group("");  // the footer lists the commands with their arguments
    }
    app.require_subcommand(0, 1);
    app.footer(kFooter);  // after the subcommands, so that only the top-level help has it

    try {
        std::vector<std::string> args = ArgumentsForParser(argc, argv);
        app.parse(args);
    } catch (const CLI::Success& e) {
        std::ostringstream ignoredErrors;
        app.exit(e, out, ignoredErrors);
        return EarlyExit{0, {}};
    } catch (const CLI::ParseError& e) {
        return EarlyExit{2, ParseErrorText(e)};
    }
    std::vector<std::string> unexpected = app.remaining(true);
    // CLI11 keeps the "--" that ended the options among the arguments it did not use.
    unexpected.erase(std::remove(unexpected.begin(), unexpected.end(), "--"), unexpected.end());
    if (!unexpected.empty()) {
        return EarlyExit{2, UnexpectedArgumentText(unexpected)};
    }
    if (next.Parsed()) {
        return NextRequestFrom(next, timesOptions, TimesRequestFrom(groups));
    }
    if (WasParsed(holidays)) {
        return HolidaysRequestFrom(timesOptions, TimesRequestFrom(groups));
    }
    if (!cities.Parsed() && !WasParsed(presets) && !timetable.Parsed()) {
        return TimesRequestFrom(groups);
    }
    const char* command = cities.Parsed() ? "cities" : WasParsed(presets) ? "presets" : "timetable";
    for (const CLI::Option* option : timesOptions) {
        if (option->count() > 0) {
            return EarlyExit{2, option->get_name() + " does not go with " + command};
        }
    }
    if (WasParsed(presets)) {
        WritePresetList(out);
        return EarlyExit{0, {}};
    }
    return timetable.Parsed() ? timetable.Request() : cities.Request();
}

}  // namespace orvanta
