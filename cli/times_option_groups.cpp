#include "cli/times_option_groups.h"

#include <cmath>

#include "astro/angles.h"
#include "cli/method_options.h"
#include "cli/option_checks.h"
#include "cli/option_values.h"
#include "common/visible_text.h"
#include "settings/hijri_settings.h"
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

// Where the place comes from: --city, or --lat/--lon with --tz or --zone [--dst].
class PlaceOptions final : public TimesOptionGroup {
  public:
    std::span<const std::string_view> Names() const override {
        static constexpr std::string_view kNames[] = {"--city", "--lat",  "--lon",
                                                      "--tz",   "--zone", "--dst"};
        return kNames;
    }

    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        city_ = app.add_option("--city", cityName_,
                               "City to look up (default: the window's city); not with --lat/--lon")
                    ->type_name("NAME");
        lat_ = app.add_option("--lat", latText_,
                              "Latitude, north positive; with --lon, and --tz or --zone")
                   ->type_name("DEG")
                   ->check(NumberWithin(-90.0, 90.0, "latitude"));
        lon_ = app.add_option("--lon", lonText_, "Longitude, EAST positive")
                   ->type_name("DEG")
                   ->check(NumberWithin(-180.0, 180.0, "longitude"));
        tz_ =
            app.add_option("--tz", tzName_, "IANA time zone (Europe/London) with its real offsets")
                ->type_name("ZONE")
                ->check(ZoneCheck);
        zone_ = app.add_option("--zone", zoneText_,
                               "Or a fixed offset east of UTC (5.5, -3); not with --tz")
                    ->type_name("HOURS")
                    ->check(NumberWithin(-14.0, 14.0, "zone"));
        dst_ = app.add_flag(
            "--dst", dstFlag_,
            "With --zone: summer time, first Sunday of April to last Sunday of October");
        added.insert(added.end(), {city_, lat_, lon_, tz_, zone_, dst_});
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        const bool coordinates =
            Given(lat_) || Given(lon_) || Given(tz_) || Given(zone_) || Given(dst_);
        if (Given(city_)) {
            if (coordinates) {
                return "--city does not go with --lat, --lon, --tz, --zone or --dst";
            }
            if (IsBlank(cityName_)) {
                return "--city needs a city name";
            }
            request.source = LocationSource::kCityName;
            request.city.name = cityName_;
            return std::nullopt;
        }
        if (!coordinates) {
            return std::nullopt;
        }
        if (!Given(lat_) || !Given(lon_)) {
            return "give the place with both --lat and --lon";
        }
        if (Given(tz_) && (Given(zone_) || Given(dst_))) {
            return "--tz does not go with --zone or --dst";
        }
        if (Given(dst_) && !Given(zone_)) {
            return "--dst goes with --zone";
        }
        if (!Given(tz_) && !Given(zone_)) {
            return "give the time zone with --tz ZONE or --zone HOURS";
        }
        request.source = LocationSource::kCoordinates;
        const double zoneHours = Given(zone_) ? *ParseFiniteNumber(zoneText_) : 0.0;
        request.city =
            CityAt(*ParseFiniteNumber(latText_), *ParseFiniteNumber(lonText_), zoneHours, dstFlag_);
        request.city.zoneName = tzName_;
        return std::nullopt;
    }

  private:
    CLI::Option* city_ = nullptr;
    CLI::Option* lat_ = nullptr;
    CLI::Option* lon_ = nullptr;
    CLI::Option* tz_ = nullptr;
    CLI::Option* zone_ = nullptr;
    CLI::Option* dst_ = nullptr;
    std::string cityName_;
    std::string latText_;
    std::string lonText_;
    std::string tzName_;
    std::string zoneText_;
    bool dstFlag_ = false;
};

// Which days: --date, --month, --year or --from/--to (default today).
class DayOptions final : public TimesOptionGroup {
  public:
    std::span<const std::string_view> Names() const override {
        static constexpr std::string_view kNames[] = {"--date", "--month", "--year", "--from",
                                                      "--to"};
        return kNames;
    }

    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        date_ = app.add_option("--date", dateText_, "One day (default: today)")
                    ->type_name("YYYY-MM-DD")
                    ->check(DateCheck);
        month_ = app.add_option("--month", monthText_, "Every day of a month")
                     ->type_name("YYYY-MM")
                     ->check(MonthCheck);
        year_ = app.add_option("--year", yearText_, "Every day of a year")
                    ->type_name("YYYY")
                    ->check(YearCheck);
        from_ = app.add_option("--from", fromText_,
                               "With --to: every day from one date to another, at most ten years")
                    ->type_name("YYYY-MM-DD")
                    ->check(DateCheck);
        to_ = app.add_option("--to", toText_, "The last day of --from's range")
                  ->type_name("YYYY-MM-DD")
                  ->check(DateCheck);
        added.insert(added.end(), {date_, month_, year_, from_, to_});
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        const bool range = Given(from_) || Given(to_);
        if (int{Given(date_)} + int{Given(month_)} + int{Given(year_)} + int{range} > 1) {
            return "give only one of --date, --month, --year and --from/--to";
        }
        if (Given(date_)) {
            request.date = ParseIsoDate(dateText_);
        } else if (Given(month_)) {
            request.range = ParseIsoMonth(monthText_);
        } else if (Given(year_)) {
            request.range = ParseYear(yearText_);
        } else if (range) {
            return FillRange(request);
        }
        return std::nullopt;
    }

  private:
    std::optional<std::string> FillRange(TimesRequest& request) const {
        if (!Given(from_) || !Given(to_)) {
            return "give a range with both --from and --to";
        }
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

    CLI::Option* date_ = nullptr;
    CLI::Option* month_ = nullptr;
    CLI::Option* year_ = nullptr;
    CLI::Option* from_ = nullptr;
    CLI::Option* to_ = nullptr;
    std::string dateText_;
    std::string monthText_;
    std::string yearText_;
    std::string fromText_;
    std::string toText_;
};

// The prayer settings that replace the saved ones for this run.
class SettingsOptions final : public TimesOptionGroup {
  public:
    std::span<const std::string_view> Names() const override {
        static constexpr std::string_view kNames[] = {"--method", "--depression", "--interval",
                                                      "--asr", "--hijri-offset"};
        return kNames;
    }

    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        method_ = app.add_option("--method", methodText_,
                                 "Fajr and Isha by the sun's depression angle or by an interval")
                      ->type_name("angle|interval")
                      ->check(OneOf({"angle", "interval"}, "method"));
        depression_ = app.add_option("--depression", depressionText_,
                                     "The sun's depression for Fajr and Isha (default 18)")
                          ->type_name("DEG")
                          ->check(NumberWithin(0.0, 90.0, "depression"));
        interval_ = app.add_option("--interval", intervalText_,
                                   "Fajr before sunrise, Isha after sunset (default 90)")
                        ->type_name("MIN")
                        ->check(NumberWithin(0.0, 1440.0, "interval"));
        asr_ = app.add_option("--asr", asrText_, "Asr school: shadow factor 1 (shafi) or 2")
                   ->type_name("shafi|hanafi")
                   ->check(OneOf({"shafi", "hanafi"}, "asr"));
        hijriOffset_ =
            app.add_option("--hijri-offset", hijriOffsetText_,
                           "Days to move the Hijri dates by, for a local sighting (default 0)")
                ->type_name("-2..2")
                ->check([](const std::string& text) -> std::string {
                    // The texts the settings file's HijriOffset accepts ("-0" included).
                    return ParseHijriOffset(text)
                               ? std::string()
                               : "Hijri offset must be -2, -1, 0, 1 or 2, not " + QuotedValue(text);
                });
        added.insert(added.end(), {method_, depression_, interval_, asr_, hijriOffset_});
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        if (Given(method_)) {
            request.overrides.method = methodText_ == "interval" ? TwilightMethod::kInterval
                                                                 : TwilightMethod::kDepressionAngle;
        }
        if (Given(depression_)) {
            request.overrides.depressionDegrees = *ParseFiniteNumber(depressionText_);
        }
        if (Given(interval_)) {
            request.overrides.intervalMinutes = *ParseFiniteNumber(intervalText_);
        }
        if (Given(asr_)) {
            request.overrides.fiqh = asrText_ == "hanafi" ? Fiqh::kHanafi : Fiqh::kShafi;
        }
        if (Given(hijriOffset_)) {
            request.overrides.hijriOffsetDays = *ParseHijriOffset(hijriOffsetText_);
        }
        return std::nullopt;
    }

  private:
    CLI::Option* method_ = nullptr;
    CLI::Option* depression_ = nullptr;
    CLI::Option* interval_ = nullptr;
    CLI::Option* asr_ = nullptr;
    CLI::Option* hijriOffset_ = nullptr;
    std::string methodText_;
    std::string depressionText_;
    std::string intervalText_;
    std::string asrText_;
    std::string hijriOffsetText_;
};

// How the times are written: --format and --24h.
class OutputOptions final : public TimesOptionGroup {
  public:
    std::span<const std::string_view> Names() const override {
        static constexpr std::string_view kNames[] = {"--format", "--24h", "--extras"};
        return kNames;
    }

    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        added.push_back(app.add_option("--format", format_, "Output (default text)")
                            ->type_name("text|csv|json|ics")
                            ->check(OneOf({"text", "csv", "json", "ics"}, "format")));
        added.push_back(app.add_flag("--24h", clock24Flag_,
                                     "24-hour times, in csv and json too; not with ics"));
        added.push_back(app.add_flag(
            "--extras", extras_,
            "Imsak, midnight and the last third of the night too; csv: the holiday column"));
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        if (format_ == "csv") {
            request.format = OutputFormat::kCsv;
        } else if (format_ == "json") {
            request.format = OutputFormat::kJson;
        } else if (format_ == "ics") {
            request.format = OutputFormat::kIcs;
        }
        if (clock24Flag_ && request.format == OutputFormat::kIcs) {
            return "--24h does not go with --format ics (a calendar shows times its own way)";
        }
        request.clock24 = clock24Flag_;
        request.extras = extras_;
        return std::nullopt;
    }

  private:
    std::string format_ = "text";
    bool clock24Flag_ = false;
    bool extras_ = false;
};

}  // namespace

std::vector<std::unique_ptr<TimesOptionGroup>> TimesOptionGroups() {
    std::vector<std::unique_ptr<TimesOptionGroup>> groups;
    groups.push_back(std::make_unique<PlaceOptions>());
    groups.push_back(std::make_unique<DayOptions>());
    groups.push_back(std::make_unique<SettingsOptions>());
    groups.push_back(MethodOptionGroup());  // after the settings: it reads their classic values
    groups.push_back(std::make_unique<OutputOptions>());
    return groups;
}

}  // namespace orvanta
