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

// Given a sound database built from data/schema.sql (sourceDir names the source folder), writes
// damaged variants into folder and returns them. Empty when any of them cannot be built.
std::vector<DamagedDatabase> MakeDamagedCityDatabases(const std::filesystem::path& sourceDir,
                                                      const std::filesystem::path& folder);

// The damaged variants written into a fresh temporary folder named after prefix, with the
// source folder taken from $ORVANTA_SOURCE_DIR. Empty when either is unavailable.
std::vector<DamagedDatabase> MakeDamagedCityDatabasesInTemp(const std::string& prefix);

// The sound database the variants are made from: Mecca (zone Asia/Riyadh) and Detroit, MI.
bool MakeSoundCityDatabase(const std::filesystem::path& sourceDir,
                           const std::filesystem::path& path);

}  // namespace orvanta::testing_support
