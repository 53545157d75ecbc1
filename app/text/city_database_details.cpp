#include "app/text/city_database_details.h"

#include <string>
#include <utility>

#include "app/text/display_text.h"
#include "resources/string_table.h"

namespace orvanta {

MessageFn WithCityDatabaseDetails(DetailedMessageFn show, const CityDatabaseLocation& database) {
    std::string details;
    if (!database.found) {
        details =
            MessageText("The city database cities.db was not found. Paths tried:").toStdString() +
            "\n" + TriedCityDatabasePaths(database);
    }
    return [show = std::move(show), details = std::move(details)](std::string_view text,
                                                                  std::string_view caption) {
        const bool dataError = text == strings::kErrorGettingData;
        show(text, caption, dataError ? std::string_view(details) : std::string_view());
    };
}

}  // namespace orvanta
