// The daylight-saving hours of a city for one year: from its zone's real rules when the city
// names an IANA zone, else from the fixed window.
#pragma once

#include <cstdint>
#include <optional>

#include "astro/calculation_inputs.h"
#include "astro/day_table.h"
#include "zones/zone_rule_source.h"

namespace orvanta {

// Given the city (zoneHours, zoneName, supportsDst) and a calendar year (1 .. 9999), returns the
// hours to add to each day index of the year. A city with a zone name gets its zone's real
// offsets minus zoneHours, as zones reads them; nothing is returned when that zone cannot be read
// (never the fixed window in its place). A city without a zone name gets 1.0 h on the days of the
// fixed window when supportsDst is set, else zeros.
std::optional<DaylightShiftTable> DaylightShiftsForCity(
    const CityLocation& city, std::int16_t year, const DaylightShiftSource& zones = SystemZones());

}  // namespace orvanta
