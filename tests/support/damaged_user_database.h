// A per-user database user.db with one page overwritten by garbage and every other page
// intact, as a failing disk sector leaves it.
#pragma once

#include <filesystem>
#include <vector>

namespace orvanta::testing_support {

// Writes user.db at path with a city of the user's own ("Mecca Own"), then overwrites the root page
// of the index user_cities_by_key, which every search of the user's cities by name reads. False
// when any step fails.
bool MakeUserDatabaseWithOneBadPage(const std::filesystem::path& path);

// The files moved aside from path (<name>.damaged-*), user.db or the settings file.
std::vector<std::filesystem::path> MovedAsideCopies(const std::filesystem::path& path);

}  // namespace orvanta::testing_support
