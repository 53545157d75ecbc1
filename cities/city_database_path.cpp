#include "cities/city_database_path.h"

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <system_error>

namespace orvanta {
namespace {

constexpr std::string_view kDefaultDataDirs = "/usr/local/share:/usr/share";

bool IsUsable(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && std::ifstream(file).is_open();
}

// Whether path lies inside folder; both are made absolute and normal first.
bool IsInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path inner = std::filesystem::weakly_canonical(path, error);
    const std::filesystem::path outer = std::filesystem::weakly_canonical(folder, error);
    if (error || outer.empty()) {
        return false;
    }
    const std::filesystem::path relative = inner.lexically_relative(outer);
    return !relative.empty() && *relative.begin() != "..";
}

// The absolute entries of a colon-separated list; relative ones are ignored, as XDG says.
std::vector<std::filesystem::path> AbsoluteEntries(std::string_view list) {
    std::vector<std::filesystem::path> entries;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        if (!entry.empty() && entry.front() == '/') {
            entries.emplace_back(entry);
        }
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return entries;
}

std::vector<std::filesystem::path> Candidates(const CityDatabaseSearch& search) {
    std::vector<std::filesystem::path> candidates;
    if (search.executable && !search.buildTree.empty() &&
        IsInside(*search.executable, search.buildTree)) {
        candidates.push_back(search.buildTreeDatabase);
    }
    if (search.executable) {
        candidates.push_back(
            (search.executable->parent_path() / search.dataFromBin / "orvanta" / "cities.db")
                .lexically_normal());
    }
    std::vector<std::filesystem::path> dataDirs = AbsoluteEntries(search.dataDirs);
    if (dataDirs.empty()) {
        dataDirs = AbsoluteEntries(kDefaultDataDirs);
    }
    for (const std::filesystem::path& dir : dataDirs) {
        candidates.push_back(dir / "orvanta" / "cities.db");
    }
    return candidates;
}

std::optional<std::filesystem::path> EnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] == '\0') {
        return std::nullopt;
    }
    return std::filesystem::path(value);
}

}  // namespace

CityDatabaseLocation LocateCityDatabase(const CityDatabaseSearch& search) {
    CityDatabaseLocation location;
    if (search.named) {
        location.path = *search.named;
        location.tried.push_back(*search.named);
        location.found = IsUsable(*search.named);
        return location;
    }
    for (const std::filesystem::path& candidate : Candidates(search)) {
        location.tried.push_back(candidate);
        if (IsUsable(candidate)) {
            location.path = candidate;
            location.found = true;
            return location;
        }
    }
    location.path = location.tried.empty() ? std::filesystem::path() : location.tried.front();
    return location;
}

CityDatabaseSearch ProcessCityDatabaseSearch() {
    CityDatabaseSearch search;
    search.named = EnvironmentPath("ORVANTA_CITY_DB");
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        search.executable = executable;
    }
    search.dataFromBin = ORVANTA_DATA_FROM_BIN;
    search.dataDirs = EnvironmentPath("XDG_DATA_DIRS").value_or("").string();
#ifdef ORVANTA_CITY_DB_PATH
    search.buildTree = ORVANTA_BUILD_TREE;
    search.buildTreeDatabase = ORVANTA_CITY_DB_PATH;
#endif
    return search;
}

CityDatabaseLocation LocateShippedCityDatabase() {
    return LocateCityDatabase(ProcessCityDatabaseSearch());
}

std::filesystem::path ShippedCityDatabasePath() {
    return LocateShippedCityDatabase().path;
}

std::string TriedCityDatabasePaths(const CityDatabaseLocation& location) {
    std::string text;
    for (const std::filesystem::path& path : location.tried) {
        text += path.string() + "\n";
    }
    return text;
}

}  // namespace orvanta
