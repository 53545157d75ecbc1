// Where the city database shipped with the programs lives: found at run time, so that an
// installed tree keeps working wherever it is moved.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// The places to look in, as read from the process and its environment.
struct CityDatabaseSearch {
    std::optional<std::filesystem::path> named;       // $ORVANTA_CITY_DB when set and not empty
    std::optional<std::filesystem::path> executable;  // the running program's file, links resolved
    std::filesystem::path dataFromBin;        // the data folder relative to the program's folder
    std::string dataDirs;                     // $XDG_DATA_DIRS as given; "" when unset
    std::filesystem::path buildTree;          // the build folder; empty when built without one
    std::filesystem::path buildTreeDatabase;  // the database built there
};

struct CityDatabaseLocation {
    std::filesystem::path path;                // the database to open
    std::vector<std::filesystem::path> tried;  // every path looked at, in order
    bool found = false;                        // path is a readable regular file
};

// A database named in the search is used as it is, also when it is missing or damaged, so that
// the user learns about it instead of silently getting another one. Otherwise the first
// readable regular file of:
//   the build tree's database, only when the executable lies inside the build tree;
//   <executable's folder>/<dataFromBin>/orvanta/cities.db;
//   <each absolute entry of dataDirs>/orvanta/cities.db (default /usr/local/share:/usr/share).
// When none is, path is the first place tried and found is false.
CityDatabaseLocation LocateCityDatabase(const CityDatabaseSearch& search);

// The search of this process: $ORVANTA_CITY_DB, /proc/self/exe, $XDG_DATA_DIRS and the folders
// this program was built with.
CityDatabaseSearch ProcessCityDatabaseSearch();

// LocateCityDatabase(ProcessCityDatabaseSearch()).
CityDatabaseLocation LocateShippedCityDatabase();

// LocateShippedCityDatabase().path.
std::filesystem::path ShippedCityDatabasePath();

// One tried path per line, for a message box's details.
std::string TriedCityDatabasePaths(const CityDatabaseLocation& location);

}  // namespace orvanta
