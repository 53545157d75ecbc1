#include "location/city_database_path.h"

#include <cstdlib>
#include <system_error>
#include <vector>

namespace orvanta {

std::filesystem::path ShippedCityDatabasePath() {
    std::vector<std::filesystem::path> candidates;
    if (const char* fromEnvironment = std::getenv("ORVANTA_CITY_DB");
        fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
        candidates.emplace_back(fromEnvironment);
    }
#ifdef ORVANTA_CITY_DB_PATH
    candidates.emplace_back(ORVANTA_CITY_DB_PATH);
#endif
    const std::filesystem::path installed = ORVANTA_INSTALLED_CITY_DB_PATH;
    candidates.push_back(installed);
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return installed;
}

}  // namespace orvanta
