// The window's message boxes name the paths tried for the city database when none was found.
#pragma once

#include <functional>
#include <string_view>

#include "app/text/messages.h"
#include "cities/city_database_path.h"

namespace orvanta {

// Shows a message with its caption and details (empty: none).
using DetailedMessageFn =
    std::function<void(std::string_view text, std::string_view caption, std::string_view details)>;

// Shows every message through show. When the city database was not found, "Error getting data!"
// carries the paths tried, one a line, as its details; every other message has none.
MessageFn WithCityDatabaseDetails(DetailedMessageFn show, const CityDatabaseLocation& database);

}  // namespace orvanta
