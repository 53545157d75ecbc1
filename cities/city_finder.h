// Finding cities by the beginning of their name, with what a person needs to tell them apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/notices.h"

namespace orvanta {

struct CityListing {
    std::string name;                // display name, as the lookup finds it
    std::string country;             // empty for the user's own cities
    std::string region;              // first-order region, may be empty
    std::int64_t latitudeCode = 0;   // |value| = degrees * 100 + minutes, south negative
    std::int64_t longitudeCode = 0;  // |value| = degrees * 100 + minutes, WEST negative
    std::string zoneName;            // IANA name
    std::int64_t population = 0;
    bool userCity = false;  // from user.db: found before any shipped city of the same name
};

// Which file a search could not read.
enum class CitySearchFailure { kNone, kCityDatabase, kUserDatabase };

struct CitySearchResult {
    CitySearchFailure failure = CitySearchFailure::kNone;
    std::vector<CityListing> rows;  // empty when failure is not kNone
};

// Given the city database, optionally user.db, the text typed (UTF-8) and the most rows
// wanted, returns the cities whose search key, or one of whose alias keys, starts with the
// search key of the text (case and accents folded as the lookup folds them; a trailing space
// counts, so "new " does not list "Newark"). The user's own cities come first, then the
// shipped ones; within each, the cities whose name or alias is the whole text come first (so
// the first shipped offer for a name the lookup finds is the city the lookup gives), then the
// most populous first (then by id); each city once. Empty for a text without
// a key or a limit of 0. A damaged user.db is moved aside and a user.db that is not a regular
// file left alone, each with a notice, and the search goes on with the shipped cities; the
// failure names the file that cannot be read otherwise. Both files are only read here.
CitySearchResult FindCitiesByPrefix(const std::filesystem::path& cityDatabase,
                                    const std::optional<std::filesystem::path>& userDatabase,
                                    std::string_view typed, std::size_t limit,
                                    NoticeList* notices = nullptr);

}  // namespace orvanta
