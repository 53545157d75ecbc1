// Where the city database installed with the program lives.
#pragma once

#include <filesystem>

namespace orvanta {

// $ORVANTA_CITY_DB when set and not empty, whether or not it exists. Otherwise the first of
// these that exists: the build tree's database when the program was built with one;
// <install prefix>/share/orvanta/cities.db. When none exists, the installed path, whose
// opening then fails.
std::filesystem::path ShippedCityDatabasePath();

}  // namespace orvanta
