// Where the daily command gets a city's coordinates and time zone from.
#pragma once

#include "astro/calculation_inputs.h"
#include "common/messages.h"

namespace orvanta {

// How a city lookup ended.
enum class CityLookupStatus {
    Found,                // every field of the record describes the city
    NotFound,             // no usable city of that name; "Couldn't find city!" was shown
    DatabaseUnavailable,  // the database is missing, unreadable or damaged; nothing was shown
};

// Text and caption of the message shown when no usable city has the name searched for.
inline constexpr const char* kCityNotFoundText = "Couldn't find city!";
inline constexpr const char* kCityNotFoundCaption = "Error";

class CityStore {
  public:
    virtual ~CityStore() = default;

    // Finds the city named city.name. Found: every field of city describes it, and city.name
    // holds the name as the database writes it. NotFound: showMessage received
    // "Couldn't find city!" with the caption "Error". DatabaseUnavailable: no message. On
    // every outcome but Found, no field of city has changed.
    [[nodiscard]] virtual CityLookupStatus LookUp(CityLocation& city,
                                                  const MessageFn& showMessage) const = 0;

    // LookUp reduced to success or failure, for callers that need no more.
    [[nodiscard]] bool LookUpCity(CityLocation& city, const MessageFn& showMessage) const {
        return LookUp(city, showMessage) == CityLookupStatus::Found;
    }
};

}  // namespace orvanta
