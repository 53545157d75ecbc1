// The orvanta-times program as a function, so tests can run it with pinned dates, fake settings
// and a small city database.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cities/city_store.h"
#include "cities/home_city.h"
#include "cli/local_date.h"
#include "settings/settings_file.h"

namespace orvanta {

// What a run reads besides its arguments. Null pointers mean: no saved settings (defaults), no
// home city, no city database.
struct TimesServices {
    TodayFn today;
    const SettingsFile* savedSettings = nullptr;  // read only: the command line never saves
    const HomeCitySource* homeCity = nullptr;
    const CityStore* cities = nullptr;
    std::string cityDatabaseDescription;  // named in the error when the database is unusable
    // For the cities subcommands: the shipped city database (only ever read) and the per-user
    // database user.db (nothing: no per-user data folder, nothing can be stored).
    std::filesystem::path cityDatabasePath;
    std::optional<std::filesystem::path> userDatabasePath;
    // Seconds since 1970-01-01 UT, for the DTSTAMP of calendar events; tests pin it.
    std::function<std::int64_t()> nowUtc;
};

// Runs orvanta-times with the given arguments. Writes the times (or the cities subcommand's
// result) to out and a one-line error to err. Returns the exit status: 0 done; 1 not found
// (city, zone) or unreadable (clock, city database, user database); 2 bad arguments. Nothing
// is written to out when the status is not 0.
int RunTimesCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const TimesServices& services);

}  // namespace orvanta
