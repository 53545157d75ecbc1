#include "cities/city_search.h"

#include "cities/city_finder.h"

namespace orvanta {

std::vector<std::string> SearchCityNames(const std::filesystem::path& databasePath,
                                         std::string_view typed, std::size_t limit,
                                         const std::optional<std::filesystem::path>& userDatabase) {
    std::vector<std::string> names;
    const std::optional<std::vector<CityListing>> found =
        FindCitiesByPrefix(databasePath, userDatabase, typed, limit);
    if (found) {
        for (const CityListing& city : *found) {
            names.push_back(city.name);
        }
    }
    return names;
}

}  // namespace orvanta
