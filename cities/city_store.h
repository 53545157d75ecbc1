// Where the daily command gets a city's coordinates and time zone from.
#pragma once

#include "astro/calculation_inputs.h"

namespace orvanta {

// How a city lookup ended; the front ends word NotFound and DatabaseUnavailable themselves.
enum class CityLookupStatus {
    kFound,                // every field of the record describes the city
    kNotFound,             // no usable city of that name
    kDatabaseUnavailable,  // the database is missing, unreadable or damaged
};

class CityStore {
  public:
    virtual ~CityStore() = default;

    // Finds the city named city.name. Found: every field of city describes it, and city.name
    // holds the name as the database writes it. On every other outcome no field of city has
    // changed.
    [[nodiscard]] virtual CityLookupStatus LookUp(CityLocation& city) const = 0;
};

}  // namespace orvanta
