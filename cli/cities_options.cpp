#include "cli/cities_options.h"

#include <algorithm>

#include "cli/option_checks.h"
#include "cli/option_values.h"

namespace orvanta {
namespace {

std::string LimitCheck(const std::string& text) {
    const bool digits =
        !text.empty() && text.size() <= 5 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits && std::stoi(text) >= 1
               ? std::string()
               : "limit must be a whole number from 1 to 99999, not '" + text + "'";
}

}  // namespace

void CitiesOptions::Declare(CLI::App& app) {
    cities_ = app.add_subcommand("cities", "Find cities, set the home city, add your own");
    cities_->require_subcommand(1);
    search_ = cities_->add_subcommand(
        "search", "Cities whose name begins with TEXT, the most populous first");
    search_->add_option("text", request_.text, "The beginning of the name")->required();
    search_->add_option("--limit", limitText_, "Most rows shown (default 20)")->check(LimitCheck);
    home_ = cities_->add_subcommand("home", "Set the home city (NAME) or clear it (--clear)");
    CLI::Option* homeName =
        home_->add_option("name", request_.text, "A city of the city databases");
    CLI::Option* clear = home_->add_flag("--clear", clear_, "Clear the home city");
    homeName->excludes(clear);
    add_ = cities_->add_subcommand("add", "Add a city of your own");
    add_->add_option("name", request_.text, "The city's name")->required();
    add_->add_option("--lat", latText_, "Latitude in degrees, north positive")
        ->required()
        ->check(NumberWithin(-90.0, 90.0, "latitude"));
    add_->add_option("--lon", lonText_, "Longitude in degrees, EAST positive")
        ->required()
        ->check(NumberWithin(-180.0, 180.0, "longitude"));
    add_->add_option("--tz", request_.zoneName, "IANA time zone (Asia/Damascus)")
        ->required()
        ->check(ZoneCheck);
    CLI::App* remove = cities_->add_subcommand("remove", "Remove a city of your own");
    remove->add_option("name", request_.text, "The city's name")->required();
}

std::variant<TimesRequest, CitiesRequest, EarlyExit> CitiesOptions::Request() const {
    CitiesRequest request = request_;
    if (search_->parsed()) {
        request.action = CitiesRequest::Action::Search;
        if (!limitText_.empty()) {
            request.limit = static_cast<std::size_t>(std::stoi(limitText_));
        }
    } else if (home_->parsed()) {
        if (clear_) {
            request.action = CitiesRequest::Action::ClearHome;
        } else if (request.text.empty()) {
            return EarlyExit{2, "cities home needs a city NAME or --clear"};
        } else {
            request.action = CitiesRequest::Action::SetHome;
        }
    } else if (add_->parsed()) {
        request.action = CitiesRequest::Action::Add;
        request.latitudeDeg = *ParseFiniteNumber(latText_);
        request.longitudeDeg = *ParseFiniteNumber(lonText_);
    } else {
        request.action = CitiesRequest::Action::Remove;
    }
    return request;
}

}  // namespace orvanta
