#include "cli/times_options.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <functional>

#include "astro/angles.h"
#include "location/zone_rules.h"

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

std::variant<TimesRequest, EarlyExit> ParseTimesArguments(int argc, const char* const* argv,
                                                          std::ostream& out) {
    CLI::App app{
        "Prints the six daily prayer times (Fajr, Shuruq, Zuhr, Asr, Maghrib, Isha) "
        "for one day at a place given by its coordinates and time zone.",
        "orvanta-times"};
    app.set_version_flag("--version", kVersionText);

    std::string cityName;
    std::string latText;
    std::string lonText;
    std::string zoneText;
    std::string tzName;
    bool dst = false;
    std::string dateText;
    std::string method = "angle";
    std::string depressionText;
    std::string intervalText;
    std::string asr = "shafi";
    std::string format = "text";

    CLI::Option* cityOption =
        app.add_option("--city", cityName,
                       "City to look up in the city database (default: the city the window uses)");
    CLI::Option* latOption = app.add_option("--lat", latText, "Latitude in degrees, north positive")
                                 ->check(NumberWithin(-90.0, 90.0, "latitude"));
    CLI::Option* lonOption = app.add_option("--lon", lonText, "Longitude in degrees, EAST positive")
                                 ->check(NumberWithin(-180.0, 180.0, "longitude"));
    latOption->needs(lonOption);
    lonOption->needs(latOption);
    CLI::Option* zoneOption =
        app.add_option("--zone", zoneText,
                       "Standard time zone in hours east of UTC (may be fractional)")
            ->check(NumberWithin(-14.0, 14.0, "zone"));
    CLI::Option* dstOption =
        app.add_flag("--dst", dst,
                     "With --zone: the zone observes daylight saving (first Sunday of April to "
                     "the last Sunday of October)");
    CLI::Option* tzOption =
        app.add_option("--tz", tzName,
                       "IANA time zone (Europe/London): its real offsets and daylight saving")
            ->check([](const std::string& name) -> std::string {
                return IsKnownZone(name) ? std::string() : "unknown time zone '" + name + "'";
            });
    tzOption->excludes(zoneOption);
    tzOption->excludes(dstOption);
    dstOption->needs(zoneOption);
    zoneOption->needs(latOption);
    tzOption->needs(latOption);
    cityOption->excludes(latOption);
    app.add_option("--date", dateText, "Date as YYYY-MM-DD (default: today)")
        ->check([](const std::string& text) -> std::string {
            return ParseIsoDate(text) ? std::string()
                                      : "date must be an existing date YYYY-MM-DD with a year "
                                        "from 0001 to 9999, not '" +
                                            text + "'";
        });
    app.add_option("--method", method, "How Fajr and Isha are found: angle or interval")
        ->check(CLI::IsMember({"angle", "interval"}));
    app.add_option("--depression", depressionText,
                   "Depression angle of the sun for Fajr and Isha in degrees (default 18)")
        ->check(NumberWithin(0.0, 90.0, "depression"));
    app.add_option("--interval", intervalText,
                   "Minutes before sunrise (Fajr) and after sunset (Isha) (default 90)")
        ->check(NumberWithin(0.0, 1440.0, "interval"));
    app.add_option("--asr", asr, "Asr school: shafi (shadow factor 1) or hanafi (2)")
        ->check(CLI::IsMember({"shafi", "hanafi"}));
    app.add_option("--format", format, "Output: text or csv")
        ->check(CLI::IsMember({"text", "csv"}));

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        std::ostringstream ignoredErrors;
        app.exit(e, out, ignoredErrors);
        return EarlyExit{0, {}};
    } catch (const CLI::ParseError& e) {
        return EarlyExit{2, OneLine(e.what())};
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
    request.format = format == "csv" ? OutputFormat::Csv : OutputFormat::Text;
    return request;
}

}  // namespace orvanta
