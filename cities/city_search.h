// Completions for a city name being typed: the cities whose folded name starts with the folded
// text, the most populous first.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cities/search_key.h"

namespace orvanta {

// Given the city database's path, the text typed so far (UTF-8) and the most names wanted,
// returns the display names of the cities whose search key, or one of whose alias keys, starts
// with the search key of the text (case and accents folded as the lookup folds them, runs of
// whitespace as one space; a trailing space counts, so "new " does not offer "Newark"). Each
// city comes once, the most populous first (then by id). Empty for a text without a key
// (empty, only whitespace, not well-formed UTF-8), a limit of 0, or a database that cannot be
// read. The user's own cities in userDatabase (user.db), when given, come first. The databases
// are opened read-only for the call and closed before it returns.
std::vector<std::string> SearchCityNames(
    const std::filesystem::path& databasePath, std::string_view typed, std::size_t limit,
    const std::optional<std::filesystem::path>& userDatabase = std::nullopt);

}  // namespace orvanta
