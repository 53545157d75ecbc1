#include "cli/cities_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

#include "cities/city_finder.h"
#include "cities/home_city_store.h"
#include "cities/user_cities.h"
#include "cli/cities_nearest.h"
#include "cli/error_line.h"
#include "cli/text_columns.h"
#include "common/visible_text.h"
#include "timetable/civil_time.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

// A coordinate code (|value| = degrees * 100 + minutes) as 21°25′ N.
std::string CoordinateText(std::int64_t code, char positive, char negative) {
    const std::int64_t magnitude = code < 0 ? -code : code;
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%3d\u00B0%02d\u2032 %c",
                  static_cast<int>(magnitude / 100), static_cast<int>(magnitude % 100),
                  code < 0 ? negative : positive);
    return text.data();
}

constexpr const char* kNoUserFolder =
    "there is no per-user data folder (set HOME or XDG_DATA_HOME)";

// Why a new city's name is refused.
std::string UnusableNameText(const std::string& name) {
    if (HasControlCharacter(name)) {
        return "a city name cannot hold control characters: " + QuotedValue(name);
    }
    return "a city name must be UTF-8 text of 1 to 199 characters, not " + QuotedValue(name);
}

int Search(const CitiesRequest& request, std::ostream& out, std::ostream& err,
           const TimesServices& services) {
    const CitySearchResult found =
        FindCitiesByPrefix(services.cityDatabasePath, services.userDatabasePath, request.text,
                           request.limit, services.notices);
    switch (found.failure) {
        case CitySearchFailure::kNone:
            break;
        case CitySearchFailure::kCityDatabase:
            WriteErrorLine(err, "the city database " + services.cityDatabaseDescription +
                                    " is missing or cannot be read");
            return 1;
        case CitySearchFailure::kUserDatabase:
            WriteErrorLine(err,
                           "cannot read " + services.userDatabasePath.value_or("user.db").string());
            return 1;
    }
    const std::vector<CityListing>& rows = found.rows;
    if (rows.empty()) {
        WriteErrorLine(err, "no city name begins with " + QuotedValue(request.text));
        return 1;
    }
    std::vector<std::array<std::string, 5>> cells;
    cells.push_back({"City", "Country", "Region", "Position", "Zone"});
    for (const CityListing& row : rows) {
        cells.push_back({VisibleText(row.name),
                         row.userCity ? "(your city)" : VisibleText(row.country),
                         VisibleText(row.region),
                         CoordinateText(row.latitudeCode, 'N', 'S') + " " +
                             CoordinateText(row.longitudeCode, 'E', 'W'),
                         VisibleText(row.zoneName)});
    }
    WriteColumns(out, cells);
    return 0;
}

int SetHome(const CitiesRequest& request, std::ostream& out, std::ostream& err,
            const TimesServices& services) {
    if (services.cities == nullptr) {
        WriteErrorLine(err, "no city database is available");
        return 1;
    }
    CityLocation city;
    city.name = request.text;
    switch (services.cities->LookUp(city)) {
        case CityLookupStatus::kFound:
            break;
        case CityLookupStatus::kNotFound:
            WriteErrorLine(err, "cannot find the city " + QuotedValue(request.text));
            return 1;
        case CityLookupStatus::kDatabaseUnavailable:
            WriteErrorLine(err, "the city database " + services.cityDatabaseDescription +
                                    " is missing or damaged");
            return 1;
    }
    if (!services.userDatabasePath) {
        WriteErrorLine(err, kNoUserFolder);
        return 1;
    }
    // The name as the database writes it, so that the next lookup finds this very city.
    if (!HomeCityStore(*services.userDatabasePath, services.notices).SetHomeCity(city.name)) {
        WriteErrorLine(err, "cannot write " + services.userDatabasePath->string());
        return 1;
    }
    out << "Home city: " << VisibleText(city.name) << '\n';
    return 0;
}

int ClearHome(std::ostream& out, std::ostream& err, const TimesServices& services) {
    if (services.userDatabasePath &&
        !HomeCityStore(*services.userDatabasePath, services.notices).ClearHomeCity()) {
        WriteErrorLine(err, "cannot write " + services.userDatabasePath->string());
        return 1;
    }
    out << "No home city\n";
    return 0;
}

// The error of a failed change of the user's cities, and its exit status.
int ReportChange(UserCityChange change, const CitiesRequest& request, std::ostream& err,
                 const TimesServices& services) {
    switch (change) {
        case UserCityChange::kDone:
            return 0;
        case UserCityChange::kNameTaken:
            WriteErrorLine(err, "you already have a city named " + QuotedValue(request.text));
            return 2;
        case UserCityChange::kNotFound:
            WriteErrorLine(err, "you have no city named " + QuotedValue(request.text));
            return 1;
        case UserCityChange::kInvalidInput:
            WriteErrorLine(err, UnusableNameText(request.text));
            return 2;
        case UserCityChange::kCityDatabaseFailed:
            WriteErrorLine(err, "the city database " + services.cityDatabaseDescription +
                                    " is missing or damaged");
            return 1;
        case UserCityChange::kUserDatabaseFailed:
            WriteErrorLine(err, "cannot write " + (services.userDatabasePath
                                                       ? services.userDatabasePath->string()
                                                       : std::string("user.db")));
            return 1;
    }
    return 1;
}

int Add(const CitiesRequest& request, std::ostream& out, std::ostream& err,
        const TimesServices& services) {
    if (!services.userDatabasePath) {
        WriteErrorLine(err, kNoUserFolder);
        return 1;
    }
    const std::optional<CivilDate> today = services.today ? services.today() : std::nullopt;
    const std::int16_t year = today ? today->year : std::int16_t{2026};
    const std::optional<ZoneSummary> zone = SummarizeZone(request.zoneName, year);
    if (!zone) {
        WriteErrorLine(err, "cannot read the time zone " + QuotedValue(request.zoneName));
        return 1;
    }
    NewUserCity city;
    city.name = request.text;
    city.latitudeDeg = request.latitudeDeg;
    city.longitudeDeg = request.longitudeDeg;
    city.zoneName = request.zoneName;
    city.biasMinutes = zone->biasMinutes;
    city.observesDst = zone->observesDst;
    const UserCityChange change =
        AddUserCity(services.cityDatabasePath, *services.userDatabasePath, city, services.notices);
    if (change != UserCityChange::kDone) {
        return ReportChange(change, request, err, services);
    }
    out << "Added " << VisibleText(request.text) << '\n';
    return 0;
}

int Remove(const CitiesRequest& request, std::ostream& out, std::ostream& err,
           const TimesServices& services) {
    if (!services.userDatabasePath) {
        WriteErrorLine(err, "you have no city named " + QuotedValue(request.text));
        return 1;
    }
    const UserCityChange change = RemoveUserCity(
        services.cityDatabasePath, *services.userDatabasePath, request.text, services.notices);
    if (change != UserCityChange::kDone) {
        return ReportChange(change, request, err, services);
    }
    out << "Removed " << VisibleText(request.text) << '\n';
    return 0;
}

}  // namespace

int RunCitiesCommand(const CitiesRequest& request, std::ostream& out, std::ostream& err,
                     const TimesServices& services) {
    std::ostringstream buffer;  // nothing reaches out unless the command succeeds
    int status = 1;
    switch (request.action) {
        case CitiesRequest::Action::kSearch:
            status = Search(request, buffer, err, services);
            break;
        case CitiesRequest::Action::kSetHome:
            status = SetHome(request, buffer, err, services);
            break;
        case CitiesRequest::Action::kClearHome:
            status = ClearHome(buffer, err, services);
            break;
        case CitiesRequest::Action::kAdd:
            status = Add(request, buffer, err, services);
            break;
        case CitiesRequest::Action::kRemove:
            status = Remove(request, buffer, err, services);
            break;
        case CitiesRequest::Action::kNearest:
            status = WriteNearestCities(request, buffer, err, services);
            break;
    }
    return status == 0 ? WriteOutput(out, err, buffer.view()) : status;
}

}  // namespace orvanta
