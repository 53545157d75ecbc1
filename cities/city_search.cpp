#include "cities/city_search.h"

#include "cities/city_finder.h"

namespace orvanta {

std::vector<std::string> SearchCityNames(const std::filesystem::path& databasePath,
                                         std::string_view typed, std::size_t limit,
                                         const std::optional<std::filesystem::path>& userDatabase,
                                         NoticeList* notices) {
    std::vector<std::string> names;
    const CitySearchResult found =
        FindCitiesByPrefix(databasePath, userDatabase, typed, limit, notices);
    for (const CityListing& city : found.rows) {
        names.push_back(city.name);
    }
    return names;
}

}  // namespace orvanta
