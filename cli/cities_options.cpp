#include "cli/cities_options.h"

#include "astro/number_text.h"
#include "cli/given.h"
#include "cli/option_checks.h"
#include "cli/option_values.h"
#include "common/visible_text.h"

namespace orvanta {
namespace {

std::string LimitCheck(const std::string& text) {
    const std::optional<int> limit =
        text.size() <= 5 ? ParseNumber<int>(text, NumberSigns::kNone) : std::nullopt;
    return limit && *limit >= 1
               ? std::string()
               : "limit must be a whole number from 1 to 99999, not " + QuotedValue(text);
}

EarlyExit Refused(std::string message) {
    return EarlyExit{2, std::move(message)};
}

}  // namespace

void CitiesOptions::Declare(CLI::App& app, const std::function<bool(std::string_view)>& wanted) {
    cities_ = app.add_subcommand("cities", "Find cities, set the home city, add your own");
    if (wanted("search")) {
        search_ = cities_->add_subcommand(
            "search", "Cities whose name begins with TEXT, your own first, then the most populous");
        search_->add_option("text", request_.text, "The beginning of the name")->type_name("TEXT");
        search_->add_option("--limit", limitText_, "Most rows shown (default 20)")
            ->type_name("N")
            ->check(LimitCheck);
    }
    if (wanted("home")) {
        home_ = cities_->add_subcommand("home", "Set the home city, or clear it with --clear");
        home_->add_option("name", request_.text, "A city of the city databases")->type_name("NAME");
        home_->add_flag("--clear", clear_, "Clear the home city (instead of a NAME)");
    }
    if (wanted("add")) {
        DeclareAdd();
    }
    if (wanted("nearest")) {
        DeclareNearest();
    }
    if (wanted("remove")) {
        remove_ = cities_->add_subcommand("remove", "Remove a city of your own");
        remove_->add_option("name", request_.text, "The city's name")->type_name("NAME");
    }
}

void CitiesOptions::DeclareAdd() {
    add_ = cities_->add_subcommand(
        "add", "Add a city of your own (a NAME that begins with '-' follows --)");
    add_->add_option("name", request_.text, "The city's name")->type_name("NAME");
    add_->add_option("--lat", latText_, "Latitude, north positive (needed)")
        ->type_name("DEG")
        ->check(NumberWithin(-90.0, 90.0, "latitude"));
    add_->add_option("--lon", lonText_, "Longitude, EAST positive (needed)")
        ->type_name("DEG")
        ->check(NumberWithin(-180.0, 180.0, "longitude"));
    add_->add_option("--tz", request_.zoneName, "IANA time zone, Asia/Damascus (needed)")
        ->type_name("ZONE")
        ->check(ZoneCheck);
}

void CitiesOptions::DeclareNearest() {
    nearest_ = cities_->add_subcommand(
        "nearest", "The cities nearest to LAT LON, the towns within 20 km first");
    nearest_->add_option("lat", latText_, "Latitude, north positive")
        ->type_name("LAT")
        ->check(NumberWithin(-90.0, 90.0, "latitude"));
    nearest_->add_option("lon", lonText_, "Longitude, EAST positive")
        ->type_name("LON")
        ->check(NumberWithin(-180.0, 180.0, "longitude"));
    nearest_->add_option("--limit", limitText_, "Most rows shown (default 5)")
        ->type_name("N")
        ->check(LimitCheck);
    nearest_->add_option("--format", format_, "Output (default text)")
        ->type_name("text|json")
        ->check(OneOf({"text", "json"}, "format"));
}

ParsedArguments CitiesOptions::Request() const {
    CitiesRequest request = request_;
    if (WasParsed(search_)) {
        if (IsBlank(request.text)) {
            return Refused("cities search needs the beginning of a city name");
        }
        request.action = CitiesRequest::Action::kSearch;
        if (!limitText_.empty()) {
            request.limit =
                static_cast<std::size_t>(*ParseNumber<int>(limitText_, NumberSigns::kNone));
        }
        return request;
    }
    if (WasParsed(home_)) {
        if (clear_ && home_->count("name") > 0) {
            return Refused("cities home takes a city NAME or --clear, not both");
        }
        if (clear_) {
            request.action = CitiesRequest::Action::kClearHome;
            return request;
        }
        if (IsBlank(request.text)) {
            return Refused("cities home needs a city NAME or --clear");
        }
        request.action = CitiesRequest::Action::kSetHome;
        return request;
    }
    if (WasParsed(add_)) {
        return AddRequest(request);
    }
    if (WasParsed(nearest_)) {
        if (nearest_->count("lat") == 0 || nearest_->count("lon") == 0) {
            return Refused("cities nearest needs a latitude and a longitude: LAT LON");
        }
        request.action = CitiesRequest::Action::kNearest;
        request.latitudeDeg = *ParseFiniteNumber(latText_);
        request.longitudeDeg = *ParseFiniteNumber(lonText_);
        request.limit =
            limitText_.empty()
                ? 5
                : static_cast<std::size_t>(*ParseNumber<int>(limitText_, NumberSigns::kNone));
        request.json = format_ == "json";
        return request;
    }
    if (WasParsed(remove_)) {
        if (IsBlank(request.text)) {
            return Refused("cities remove needs the NAME of a city of your own");
        }
        request.action = CitiesRequest::Action::kRemove;
        return request;
    }
    return Refused("cities needs one of search, nearest, home, add and remove");
}

ParsedArguments CitiesOptions::AddRequest(CitiesRequest request) const {
    if (add_->count("name") == 0) {
        return Refused("cities add needs a NAME, --lat, --lon and --tz");
    }
    if (add_->count("--lat") == 0 || add_->count("--lon") == 0 || add_->count("--tz") == 0) {
        return Refused("cities add needs --lat, --lon and --tz");
    }
    request.action = CitiesRequest::Action::kAdd;
    request.latitudeDeg = *ParseFiniteNumber(latText_);
    request.longitudeDeg = *ParseFiniteNumber(lonText_);
    return request;
}

}  // namespace orvanta
