// City database files in the ways they get damaged on users' machines, made from a sound one:
// cut short, emptied, overwritten with noise, or left from an older schema.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvanta::testing_support {

struct DamagedDatabase {
    std::string what;  // for the failure message
    std::filesystem::path path;
};

// Writes damaged variants of a sound database holding Mecca (zone Asia/Riyadh) and Detroit, MI
// into folder and returns them. Empty when any of them cannot be built.
std::vector<DamagedDatabase> MakeDamagedCityDatabases(const std::filesystem::path& folder);

}  // namespace orvanta::testing_support
