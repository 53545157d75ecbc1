#include "cli/times_option_groups.h"

#include <cmath>

#include "astro/angles.h"
#include "cli/option_checks.h"
#include "cli/option_values.h"
#include "timetable/civil_time.h"
#include "timetable/timetable.h"

namespace orvanta {
namespace {

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

// Where the place comes from: --city, or --lat/--lon with --zone [--dst] or --tz.
class PlaceOptions final : public TimesOptionGroup {
  public:
    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        city_ = app.add_option(
            "--city", cityName_,
            "City to look up in the city databases (default: the city the window uses)");
        CLI::Option* lat = app.add_option("--lat", latText_, "Latitude in degrees, north positive")
                               ->check(NumberWithin(-90.0, 90.0, "latitude"));
        CLI::Option* lon = app.add_option("--lon", lonText_, "Longitude in degrees, EAST positive")
                               ->check(NumberWithin(-180.0, 180.0, "longitude"));
        lat->needs(lon);
        lon->needs(lat);
        CLI::Option* zone =
            app.add_option("--zone", zoneText_,
                           "Standard time zone in hours east of UTC (may be fractional)")
                ->check(NumberWithin(-14.0, 14.0, "zone"));
        CLI::Option* dst = app.add_flag(
            "--dst", dst_,
            "With --zone: one hour of daylight saving from the first Sunday of April to the last "
            "Sunday of October");
        CLI::Option* tz =
            app.add_option("--tz", tzName_,
                           "IANA time zone (Europe/London): its real offsets and daylight saving")
                ->check(ZoneCheck);
        tz->excludes(zone);
        tz->excludes(dst);
        dst->needs(zone);
        zone->needs(lat);
        tz->needs(lat);
        city_->excludes(lat);
        added.insert(added.end(), {city_, lat, lon, zone, dst, tz});
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        if (!cityName_.empty() || city_->count() > 0) {
            request.source = LocationSource::CityName;
            request.city.name = cityName_;
        } else if (!latText_.empty()) {
            if (zoneText_.empty() && tzName_.empty()) {
                return "give the time zone with --zone HOURS or --tz NAME";
            }
            request.source = LocationSource::Coordinates;
            const double zoneHours = zoneText_.empty() ? 0.0 : *ParseFiniteNumber(zoneText_);
            request.city =
                CityAt(*ParseFiniteNumber(latText_), *ParseFiniteNumber(lonText_), zoneHours, dst_);
            request.city.zoneName = tzName_;
        }
        return std::nullopt;
    }

  private:
    CLI::Option* city_ = nullptr;
    std::string cityName_;
    std::string latText_;
    std::string lonText_;
    std::string zoneText_;
    std::string tzName_;
    bool dst_ = false;
};

// Which days: --date, --month, --year or --from/--to (default today).
class DayOptions final : public TimesOptionGroup {
  public:
    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        CLI::Option* date =
            app.add_option("--date", dateText_, "One day, YYYY-MM-DD (default: today)")
                ->check(DateCheck);
        CLI::Option* month = app.add_option("--month", monthText_, "Every day of a month, YYYY-MM")
                                 ->check([](const std::string& text) -> std::string {
                                     return ParseIsoMonth(text)
                                                ? std::string()
                                                : "month must be YYYY-MM with a year from 0001 to "
                                                  "9999, not '" +
                                                      text + "'";
                                 });
        CLI::Option* year =
            app.add_option("--year", yearText_, "Every day of a year, YYYY")
                ->check([](const std::string& text) -> std::string {
                    return ParseYear(text)
                               ? std::string()
                               : "year must be a whole number from 1 to 9999, not '" + text + "'";
                });
        CLI::Option* from =
            app.add_option("--from", fromText_, "First day of a range, YYYY-MM-DD (with --to)")
                ->check(DateCheck);
        CLI::Option* to =
            app.add_option("--to", toText_, "Last day of a range, YYYY-MM-DD (with --from)")
                ->check(DateCheck);
        from->needs(to);
        to->needs(from);
        for (CLI::Option* one : {date, month, year, from}) {
            for (CLI::Option* other : {date, month, year, from}) {
                if (one != other) {
                    one->excludes(other);
                }
            }
        }
        date->excludes(to);
        month->excludes(to);
        year->excludes(to);
        added.insert(added.end(), {date, month, year, from, to});
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        if (!dateText_.empty()) {
            request.date = ParseIsoDate(dateText_);
        } else if (!monthText_.empty()) {
            request.range = ParseIsoMonth(monthText_);
        } else if (!yearText_.empty()) {
            request.range = ParseYear(yearText_);
        } else if (!fromText_.empty()) {
            return FillRange(request);
        }
        return std::nullopt;
    }

  private:
    std::optional<std::string> FillRange(TimesRequest& request) const {
        const CivilDate first = *ParseIsoDate(fromText_);
        const CivilDate last = *ParseIsoDate(toText_);
        const std::int64_t days = DaysFromCivil(last) - DaysFromCivil(first) + 1;
        if (days < 1) {
            return "the range ends (--to " + toText_ + ") before it starts (--from " + fromText_ +
                   ")";
        }
        if (days > kMaxRangeDays) {
            return "a range may cover at most ten years (" + std::to_string(kMaxRangeDays) +
                   " days), not " + std::to_string(days);
        }
        request.range = std::make_pair(first, last);
        return std::nullopt;
    }

    std::string dateText_;
    std::string monthText_;
    std::string yearText_;
    std::string fromText_;
    std::string toText_;
};

// The prayer settings that replace the saved ones for this run.
class SettingsOptions final : public TimesOptionGroup {
  public:
    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        method_ = app.add_option("--method", methodText_,
                                 "How Fajr and Isha are found: angle or interval")
                      ->check(CLI::IsMember({"angle", "interval"}));
        CLI::Option* depression =
            app.add_option("--depression", depressionText_,
                           "Depression angle of the sun for Fajr and Isha in degrees (default 18)")
                ->check(NumberWithin(0.0, 90.0, "depression"));
        CLI::Option* interval =
            app.add_option("--interval", intervalText_,
                           "Minutes before sunrise (Fajr) and after sunset (Isha) (default 90)")
                ->check(NumberWithin(0.0, 1440.0, "interval"));
        asr_ =
            app.add_option("--asr", asrText_, "Asr school: shafi (shadow factor 1) or hanafi (2)")
                ->check(CLI::IsMember({"shafi", "hanafi"}));
        added.insert(added.end(), {method_, depression, interval, asr_});
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        if (method_->count() > 0) {
            request.overrides.method = static_cast<std::int16_t>(methodText_ == "interval" ? 1 : 0);
        }
        if (!depressionText_.empty()) {
            request.overrides.depressionDegrees = *ParseFiniteNumber(depressionText_);
        }
        if (!intervalText_.empty()) {
            request.overrides.intervalMinutes = *ParseFiniteNumber(intervalText_);
        }
        if (asr_->count() > 0) {
            request.overrides.fiqh = asrText_ == "hanafi" ? 1 : 0;
        }
        return std::nullopt;
    }

  private:
    CLI::Option* method_ = nullptr;
    CLI::Option* asr_ = nullptr;
    std::string methodText_ = "angle";
    std::string depressionText_;
    std::string intervalText_;
    std::string asrText_ = "shafi";
};

// How the times are written: --format and --24h.
class OutputOptions final : public TimesOptionGroup {
  public:
    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        added.push_back(app.add_option("--format", format_, "Output: text, csv, json or ics")
                            ->check(CLI::IsMember({"text", "csv", "json", "ics"})));
        added.push_back(app.add_flag("--24h", clock24_, "Text: 24-hour times"));
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        if (format_ == "csv") {
            request.format = OutputFormat::Csv;
        } else if (format_ == "json") {
            request.format = OutputFormat::Json;
        } else if (format_ == "ics") {
            request.format = OutputFormat::Ics;
        }
        request.clock24 = clock24_;
        return std::nullopt;
    }

  private:
    std::string format_ = "text";
    bool clock24_ = false;
};

}  // namespace

std::vector<std::unique_ptr<TimesOptionGroup>> TimesOptionGroups() {
    std::vector<std::unique_ptr<TimesOptionGroup>> groups;
    groups.push_back(std::make_unique<PlaceOptions>());
    groups.push_back(std::make_unique<DayOptions>());
    groups.push_back(std::make_unique<SettingsOptions>());
    groups.push_back(std::make_unique<OutputOptions>());
    return groups;
}

}  // namespace orvanta
