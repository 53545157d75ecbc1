// Cities of the user's own, kept in the per-user database user.db beside the home city. Their
// names are folded through the city database's fold table, so that they are found exactly as
// the shipped cities are; the city database itself is only ever read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "astro/calculation_inputs.h"
#include "cities/sqlite_db.h"
#include "common/notices.h"

namespace orvanta {

// A city to add. Coordinates are stored as whole degrees and minutes (the minutes rounded to
// the nearest, about 1.8 km), as the shipped cities are.
struct NewUserCity {
    std::string name;              // UTF-8, a usable city name
    double latitudeDeg = 0;        // degrees, NORTH positive, -90 .. 90
    double longitudeDeg = 0;       // degrees, EAST positive, -180 .. 180
    std::string zoneName;          // IANA zone name
    std::int32_t biasMinutes = 0;  // UT - standard time in minutes (UTC-5: 300)
    bool observesDst = false;
};

enum class UserCityChange {
    kDone,
    kNameTaken,     // add: a city of the user's has a name with the same search key
    kNotFound,      // remove: no city of the user's has that name
    kInvalidInput,  // not a usable name (add: or one with control characters), coordinates out
                    // of range, implausible zone name
    kCityDatabaseFailed,  // the city database (its fold table) cannot be read
    kUserDatabaseFailed,  // user.db cannot be created, opened or written
};

// Adds the city to user.db (created when missing). A damaged user.db is moved aside (with a
// notice) and the city goes into a new one.
[[nodiscard]] UserCityChange AddUserCity(const std::filesystem::path& cityDatabase,
                                         const std::filesystem::path& userDatabase,
                                         const NewUserCity& city, NoticeList* notices = nullptr);

// Removes the user's city whose name has the same search key as name; its zone row goes too
// when no other city uses it. A damaged user.db is moved aside (with a notice): NotFound.
[[nodiscard]] UserCityChange RemoveUserCity(const std::filesystem::path& cityDatabase,
                                            const std::filesystem::path& userDatabase,
                                            std::string_view name, NoticeList* notices = nullptr);

enum class UserCityFind { kFound, kNone, kFailed };

// Given the path of user.db and a search key, finds the user's city with that key and fills
// every field of found. None when the file, its tables or such a city do not exist, or the
// stored row is not a usable city; a damaged file (not a database, corrupt) is moved aside and
// a path that is not a regular file left alone, each with a notice, and both give None too, so
// the shipped cities keep working. Failed when the file exists but cannot be opened or read for
// another reason.
UserCityFind FindUserCity(const std::filesystem::path& userDatabase, const std::string& key,
                          CityLocation& found, NoticeList* notices = nullptr);

// Given decimal degrees, returns the database's code |value| = degrees * 100 + minutes with
// the sign of the value, the minutes rounded to the nearest (59.6' carries to the next degree).
std::int64_t CoordinateCode(double degrees);

}  // namespace orvanta
