// Where the user's home city comes from.
#pragma once

#include "astro/calculation_inputs.h"

namespace orvanta {

class HomeCitySource {
  public:
    virtual ~HomeCitySource() = default;
    // Returns true after copying a non-empty home-city name into city.name; returns false and
    // leaves city.name unchanged when there is no home city or it cannot be read.
    virtual bool ReadHomeCity(CityLocation& city) const = 0;
    // Removes the home city. True when afterwards there is none; a source that cannot remove
    // it returns false.
    [[nodiscard]] virtual bool ClearHomeCity() const { return false; }
};

}  // namespace orvanta
