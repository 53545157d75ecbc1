#include "cli/times_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <vector>

#include "astro/angles.h"
#include "timetable/civil_time.h"
#include "timetable/timetable.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

constexpr const char* kVersionText = "orvanta-times 1.0.0";

// Parses the whole text as a finite decimal number; a leading '+' is allowed ("+5.5").
std::optional<double> ParseFiniteNumber(const std::string& text) {
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    const bool signAfterPlus = begin != text.data() && begin != end && *begin == '-';
    if (begin == end || signAfterPlus || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A CLI11 check that accepts finite numbers in [low, high] and names the quantity otherwise.
std::function<std::string(const std::string&)> NumberWithin(double low, double high,
                                                            const std::string& what) {
    return [low, high, what](const std::string& text) -> std::string {
        const std::optional<double> value = ParseFiniteNumber(text);
        if (!value || *value < low || *value > high) {
            return what + " must be a number from " + CLI::detail::to_string(low) + " to " +
                   CLI::detail::to_string(high) + ", not '" + text + "'";
        }
        return {};
    };
}

// Whole degrees and rounded minutes of |decimalDegrees|, minutes 0 .. 59.
void SplitDegrees(double decimalDegrees, std::int16_t& degrees, std::int16_t& minutes) {
    const long totalMinutes = std::lround(std::fabs(decimalDegrees) * 60.0);
    degrees = static_cast<std::int16_t>(totalMinutes / 60);
    minutes = static_cast<std::int16_t>(totalMinutes % 60);
}

// Latitude north positive and longitude EAST positive in degrees, as people write them, into
// the record's north-positive and WEST-positive radians.
CityLocation CityAt(double latitudeDeg, double longitudeEastDeg, double zoneHours, bool dst) {
    CityLocation city;
    city.isSouth = latitudeDeg < 0.0 ? 1 : 0;
    city.isWest = longitudeEastDeg < 0.0 ? 1 : 0;
    SplitDegrees(latitudeDeg, city.latitudeDegrees, city.latitudeMinutes);
    SplitDegrees(longitudeEastDeg, city.longitudeDegrees, city.longitudeMinutes);
    city.latitudeRad = DegreesToRadians(latitudeDeg);
    city.longitudeRad = DegreesToRadians(-longitudeEastDeg);
    city.zoneHours = zoneHours;
    city.supportsDst = dst ? 1 : 0;
    return city;
}

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

}  // namespace

std::optional<CivilDate> ParseIsoDate(const std::string& text) {
    const auto digitsAt = [&text](std::size_t from, std::size_t count) {
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
        }
        return true;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digitsAt(0, 4) ||
        !digitsAt(5, 2) || !digitsAt(8, 2)) {
        return std::nullopt;
    }
    const CivilDate date{static_cast<std::int16_t>(std::stoi(text.substr(0, 4))),
                         static_cast<std::int16_t>(std::stoi(text.substr(5, 2))),
                         static_cast<std::int16_t>(std::stoi(text.substr(8, 2)))};
    if (!IsValidCivilDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<std::pair<CivilDate, CivilDate>> ParseIsoMonth(const std::string& text) {
    if (text.size() != 7 || text[4] != '-') {
        return std::nullopt;
    }
    const std::optional<CivilDate> first = ParseIsoDate(text + "-01");
    if (!first) {
        return std::nullopt;
    }
    CivilDate last = *first;
    for (std::int16_t day = 31; day >= 28; --day) {
        last.day = day;
        if (IsValidCivilDate(last)) {
            break;
        }
    }
    return std::make_pair(*first, last);
}

std::optional<std::pair<CivilDate, CivilDate>> ParseYear(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int year = std::stoi(text);
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    const auto y = static_cast<std::int16_t>(year);
    return std::make_pair(CivilDate{y, 1, 1}, CivilDate{y, 12, 31});
}

namespace {

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
    "  $ORVANTA_CITY_DB, else ../share/orvanta/cities.db beside this program's folder, else\n"
    "  orvanta/cities.db in $XDG_DATA_DIRS (/usr/local/share:/usr/share): the city database,\n"
    "  only ever read. $XDG_DATA_HOME/orvanta/user.db (~/.local/share/orvanta/user.db):\n"
    "  the home city and your own cities. $XDG_CONFIG_HOME/orvanta: the window's settings.\n"
    "\nSee orvanta-times(1).\n";

// The cities subcommands; each sets request.action when it was used.
struct CitiesCommands {
    CLI::App* cities = nullptr;
    CLI::App* search = nullptr;
    CLI::App* home = nullptr;
    CLI::App* add = nullptr;
    CLI::App* remove = nullptr;
    std::string limitText;
    std::string latText;
    std::string lonText;
    bool clear = false;
};

void AddCitiesCommands(CLI::App& app, CitiesCommands& commands, CitiesRequest& request) {
    commands.cities = app.add_subcommand("cities", "Find cities, set the home city, add your own");
    commands.cities->require_subcommand(1);
    commands.search = commands.cities->add_subcommand(
        "search", "Cities whose name begins with TEXT, the most populous first");
    commands.search->add_option("text", request.text, "The beginning of the name")->required();
    commands.search->add_option("--limit", commands.limitText, "Most rows shown (default 20)")
        ->check([](const std::string& text) -> std::string {
            const bool digits =
                !text.empty() && text.size() <= 5 &&
                std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
            return digits && std::stoi(text) >= 1 ? std::string()
                                                  : "limit must be a whole number from 1 to "
                                                    "99999, not '" +
                                                        text + "'";
        });
    commands.home =
        commands.cities->add_subcommand("home", "Set the home city (NAME) or clear it (--clear)");
    CLI::Option* homeName =
        commands.home->add_option("name", request.text, "A city of the city databases");
    CLI::Option* clear = commands.home->add_flag("--clear", commands.clear, "Clear the home city");
    homeName->excludes(clear);
    commands.add = commands.cities->add_subcommand("add", "Add a city of your own");
    commands.add->add_option("name", request.text, "The city's name")->required();
    commands.add->add_option("--lat", commands.latText, "Latitude in degrees, north positive")
        ->required()
        ->check(NumberWithin(-90.0, 90.0, "latitude"));
    commands.add->add_option("--lon", commands.lonText, "Longitude in degrees, EAST positive")
        ->required()
        ->check(NumberWithin(-180.0, 180.0, "longitude"));
    commands.add->add_option("--tz", request.zoneName, "IANA time zone (Asia/Damascus)")
        ->required()
        ->check([](const std::string& name) -> std::string {
            return IsKnownZone(name) ? std::string() : "unknown time zone '" + name + "'";
        });
    commands.remove = commands.cities->add_subcommand("remove", "Remove a city of your own");
    commands.remove->add_option("name", request.text, "The city's name")->required();
}

std::string DateCheck(const std::string& text) {
    return ParseIsoDate(text) ? std::string()
                              : "date must be an existing date YYYY-MM-DD with a year from 0001 "
                                "to 9999, not '" +
                                    text + "'";
}

}  // namespace

std::variant<TimesRequest, CitiesRequest, EarlyExit> ParseTimesArguments(int argc,
                                                                         const char* const* argv,
                                                                         std::ostream& out) {
    CLI::App app{kDescription, "orvanta-times"};
    app.footer(kFooter);
    app.set_version_flag("--version", kVersionText, "Print the version and exit");
    app.get_formatter()->column_width(26);

    std::string cityName;
    std::string latText;
    std::string lonText;
    std::string zoneText;
    std::string tzName;
    bool dst = false;
    std::string dateText;
    std::string monthText;
    std::string yearText;
    std::string fromText;
    std::string toText;
    std::string method = "angle";
    std::string depressionText;
    std::string intervalText;
    std::string asr = "shafi";
    std::string format = "text";
    bool clock24 = false;

    std::vector<CLI::Option*> timesOptions;
    const auto keep = [&timesOptions](CLI::Option* option) {
        timesOptions.push_back(option);
        return option;
    };
    CLI::Option* cityOption = keep(app.add_option(
        "--city", cityName,
        "City to look up in the city databases (default: the city the window uses)"));
    CLI::Option* latOption =
        keep(app.add_option("--lat", latText, "Latitude in degrees, north positive")
                 ->check(NumberWithin(-90.0, 90.0, "latitude")));
    CLI::Option* lonOption =
        keep(app.add_option("--lon", lonText, "Longitude in degrees, EAST positive")
                 ->check(NumberWithin(-180.0, 180.0, "longitude")));
    latOption->needs(lonOption);
    lonOption->needs(latOption);
    CLI::Option* zoneOption =
        keep(app.add_option("--zone", zoneText,
                            "Standard time zone in hours east of UTC (may be fractional)")
                 ->check(NumberWithin(-14.0, 14.0, "zone")));
    CLI::Option* dstOption = keep(app.add_flag(
        "--dst", dst,
        "With --zone: one hour of daylight saving from the first Sunday of April to the last "
        "Sunday of October"));
    CLI::Option* tzOption =
        keep(app.add_option("--tz", tzName,
                            "IANA time zone (Europe/London): its real offsets and daylight saving")
                 ->check([](const std::string& name) -> std::string {
                     return IsKnownZone(name) ? std::string() : "unknown time zone '" + name + "'";
                 }));
    tzOption->excludes(zoneOption);
    tzOption->excludes(dstOption);
    dstOption->needs(zoneOption);
    zoneOption->needs(latOption);
    tzOption->needs(latOption);
    cityOption->excludes(latOption);

    CLI::Option* dateOption =
        keep(app.add_option("--date", dateText, "One day, YYYY-MM-DD (default: today)")
                 ->check(DateCheck));
    CLI::Option* monthOption =
        keep(app.add_option("--month", monthText, "Every day of a month, YYYY-MM")
                 ->check([](const std::string& text) -> std::string {
                     return ParseIsoMonth(text) ? std::string()
                                                : "month must be YYYY-MM with a year from 0001 to "
                                                  "9999, not '" +
                                                      text + "'";
                 }));
    CLI::Option* yearOption =
        keep(app.add_option("--year", yearText, "Every day of a year, YYYY")
                 ->check([](const std::string& text) -> std::string {
                     return ParseYear(text)
                                ? std::string()
                                : "year must be a whole number from 1 to 9999, not '" + text + "'";
                 }));
    CLI::Option* fromOption =
        keep(app.add_option("--from", fromText, "First day of a range, YYYY-MM-DD (with --to)")
                 ->check(DateCheck));
    CLI::Option* toOption =
        keep(app.add_option("--to", toText, "Last day of a range, YYYY-MM-DD (with --from)")
                 ->check(DateCheck));
    fromOption->needs(toOption);
    toOption->needs(fromOption);
    for (CLI::Option* one : {dateOption, monthOption, yearOption, fromOption}) {
        for (CLI::Option* other : {dateOption, monthOption, yearOption, fromOption}) {
            if (one != other) {
                one->excludes(other);
            }
        }
    }
    dateOption->excludes(toOption);
    monthOption->excludes(toOption);
    yearOption->excludes(toOption);

    keep(app.add_option("--method", method, "How Fajr and Isha are found: angle or interval")
             ->check(CLI::IsMember({"angle", "interval"})));
    keep(app.add_option("--depression", depressionText,
                        "Depression angle of the sun for Fajr and Isha in degrees (default 18)")
             ->check(NumberWithin(0.0, 90.0, "depression")));
    keep(app.add_option("--interval", intervalText,
                        "Minutes before sunrise (Fajr) and after sunset (Isha) (default 90)")
             ->check(NumberWithin(0.0, 1440.0, "interval")));
    keep(app.add_option("--asr", asr, "Asr school: shafi (shadow factor 1) or hanafi (2)")
             ->check(CLI::IsMember({"shafi", "hanafi"})));
    keep(app.add_option("--format", format, "Output: text, csv, json or ics")
             ->check(CLI::IsMember({"text", "csv", "json", "ics"})));
    keep(app.add_flag("--24h", clock24, "Text: 24-hour times"));

    CitiesRequest cities;
    CitiesCommands commands;
    AddCitiesCommands(app, commands, cities);
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

    if (commands.cities->parsed()) {
        for (const CLI::Option* option : timesOptions) {
            if (option->count() > 0) {
                return EarlyExit{2, option->get_name() + " does not go with 'cities'"};
            }
        }
        if (commands.search->parsed()) {
            cities.action = CitiesRequest::Action::Search;
            if (!commands.limitText.empty()) {
                cities.limit = static_cast<std::size_t>(std::stoi(commands.limitText));
            }
        } else if (commands.home->parsed()) {
            if (commands.clear) {
                cities.action = CitiesRequest::Action::ClearHome;
            } else if (cities.text.empty()) {
                return EarlyExit{2, "cities home needs a city NAME or --clear"};
            } else {
                cities.action = CitiesRequest::Action::SetHome;
            }
        } else if (commands.add->parsed()) {
            cities.action = CitiesRequest::Action::Add;
            cities.latitudeDeg = *ParseFiniteNumber(commands.latText);
            cities.longitudeDeg = *ParseFiniteNumber(commands.lonText);
        } else {
            cities.action = CitiesRequest::Action::Remove;
        }
        return cities;
    }

    TimesRequest request;
    if (!cityName.empty() || cityOption->count() > 0) {
        request.source = LocationSource::CityName;
        request.city.name = cityName;
    } else if (!latText.empty()) {
        if (zoneText.empty() && tzName.empty()) {
            return EarlyExit{2, "give the time zone with --zone HOURS or --tz NAME"};
        }
        request.source = LocationSource::Coordinates;
        const double zoneHours = zoneText.empty() ? 0.0 : *ParseFiniteNumber(zoneText);
        request.city =
            CityAt(*ParseFiniteNumber(latText), *ParseFiniteNumber(lonText), zoneHours, dst);
        request.city.zoneName = tzName;
    }
    if (!dateText.empty()) {
        request.date = ParseIsoDate(dateText);
    } else if (!monthText.empty()) {
        request.range = ParseIsoMonth(monthText);
    } else if (!yearText.empty()) {
        request.range = ParseYear(yearText);
    } else if (!fromText.empty()) {
        const CivilDate first = *ParseIsoDate(fromText);
        const CivilDate last = *ParseIsoDate(toText);
        const std::int64_t days = DaysFromCivil(last) - DaysFromCivil(first) + 1;
        if (days < 1) {
            return EarlyExit{2, "the range ends (--to " + toText + ") before it starts (--from " +
                                    fromText + ")"};
        }
        if (days > kMaxRangeDays) {
            return EarlyExit{2, "a range may cover at most ten years (" +
                                    std::to_string(kMaxRangeDays) + " days), not " +
                                    std::to_string(days)};
        }
        request.range = std::make_pair(first, last);
    }
    if (app.count("--method") > 0) {
        request.overrides.method = static_cast<std::int16_t>(method == "interval" ? 1 : 0);
    }
    if (!depressionText.empty()) {
        request.overrides.depressionDegrees = *ParseFiniteNumber(depressionText);
    }
    if (!intervalText.empty()) {
        request.overrides.intervalMinutes = *ParseFiniteNumber(intervalText);
    }
    if (app.count("--asr") > 0) {
        request.overrides.fiqh = asr == "hanafi" ? 1 : 0;
    }
    if (format == "csv") {
        request.format = OutputFormat::Csv;
    } else if (format == "json") {
        request.format = OutputFormat::Json;
    } else if (format == "ics") {
        request.format = OutputFormat::Ics;
    }
    request.clock24 = clock24;
    return request;
}

}  // namespace orvanta
