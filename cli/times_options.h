// What one run of orvanta-times is asked to compute, parsed from its arguments.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <variant>

#include "astro/calculation_inputs.h"
#include "astro/date_row.h"
#include "cli/method_overrides.h"
#include "cli/option_values.h"

namespace orvanta {

enum class OutputFormat { kText, kCsv, kJson, kIcs };

// Where the place comes from.
enum class LocationSource {
    kSavedSettings,  // the city the window would use: home city, else the configured city
    kCityName,       // --city NAME, looked up in the city database
    kCoordinates,    // --lat/--lon with --zone [--dst] or --tz
};

// Settings given on the command line; each replaces the saved one for this run only.
struct SettingsOverrides {
    std::optional<TwilightMethod> method;
    std::optional<double> depressionDegrees;
    std::optional<double> intervalMinutes;
    std::optional<Fiqh> fiqh;
    std::optional<int> hijriOffsetDays;  // -2 .. +2
};

struct TimesRequest {
    LocationSource source = LocationSource::kSavedSettings;
    // CityName: the name to look up. Coordinates: coordinates and zone; with --tz, zoneName is
    // set, and the standard offset and daylight-saving flag follow from the date's year.
    CityLocation city;
    SettingsOverrides overrides;
    MethodOverrides methodOverrides;  // --preset and its parameters
    std::optional<CivilDate> date;    // one day; nothing (and no range): today
    // A range of days, both included (--month, --year, --from/--to); at most kMaxRangeDays.
    std::optional<std::pair<CivilDate, CivilDate>> range;
    OutputFormat format = OutputFormat::kText;
    bool clock24 = false;  // text: 24-hour times
    bool extras = false;   // --extras: the night's times in text, csv and ics (json always);
                           // csv also its holiday column
};

// orvanta-times cities ...: what to do with the city databases.
struct CitiesRequest {
    enum class Action { kSearch, kSetHome, kClearHome, kAdd, kRemove, kNearest };
    Action action = Action::kSearch;
    std::string text;         // Search: the text typed; SetHome, Add, Remove: the city name
    std::size_t limit = 20;   // Search, Nearest (default 5): most rows shown
    double latitudeDeg = 0;   // Add, Nearest: degrees, NORTH positive
    double longitudeDeg = 0;  // Add, Nearest: degrees, EAST positive
    bool json = false;        // Nearest: --format json
    std::string zoneName;     // Add: IANA zone name
};

// orvanta-times timetable ...: a mosque's printed timetable.
struct TimetableRequest {
    enum class Action { kImport, kList, kRemove };
    Action action = Action::kList;
    std::string file;                 // Import: the CSV file
    std::optional<std::string> city;  // Import, Remove: --city; nothing: the home city
};

// A moment given on the command line ("2026-03-20T14:05", seconds and an offset optional).
struct GivenInstant {
    CivilDate date;
    std::int32_t secondOfDay = 0;  // 0 .. 86399, on the clock the text was written on
    std::optional<std::int32_t>
        offsetSeconds;  // EAST positive ("Z" is 0); nothing: the place's clock
};

// orvanta-times next ...: the next of the six times from now.
struct NextRequest {
    enum class Format { kText, kJson, kWaybar };
    TimesRequest times;  // the place, the settings and the method, and --24h
    Format format = Format::kText;
    bool shortText = false;           // the text without the time left
    std::int32_t soonMinutes = 15;    // waybar: the class "soon" this many minutes before, or less
    std::optional<GivenInstant> now;  // --now; nothing: the system clock
};

// orvanta-times holidays ...: the days of the Islamic year in a Gregorian year.
struct HolidaysRequest {
    std::optional<std::int16_t> year;           // --year; nothing: this year
    OutputFormat format = OutputFormat::kText;  // text, json or ics
    SettingsOverrides overrides;                // --hijri-offset
};

// The run ends before computing: help or version was printed (status 0), or the arguments
// were refused (status 2, with a one-line message).
struct EarlyExit {
    int status = 0;
    std::string message;  // for status 2: the error, without program name or newline
};

// Given the argument vector, returns the request, or how the run ends early. Help and version
// text is written to out.
using ParsedArguments = std::variant<TimesRequest, CitiesRequest, NextRequest, HolidaysRequest,
                                     TimetableRequest, EarlyExit>;
ParsedArguments ParseTimesArguments(int argc, const char* const* argv, std::ostream& out);

}  // namespace orvanta
