#include "cities/city_database_path.h"

#include <cstdlib>
#include <system_error>
#include <vector>

namespace orvanta {

std::filesystem::path ShippedCityDatabasePath() {
    // A database named explicitly is used as it is, also when it is missing or damaged, so
    // that the user learns about it instead of silently getting another one.
    if (const char* fromEnvironment = std::getenv("ORVANTA_CITY_DB");
        fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
        return fromEnvironment;
    }
    std::vector<std::filesystem::path> candidates;
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
