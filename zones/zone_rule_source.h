// The zone rules a day's computation reads, as an interface so that a caller (the window, a
// test) can hand in its own; SystemZones() reads the system's compiled zone database.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "astro/day_table.h"
#include "zones/zone_file.h"

namespace orvanta {

// The daylight-saving hours of a city's real time zone.
class DaylightShiftSource {
  public:
    virtual ~DaylightShiftSource() = default;
    // Given a zone name (IANA), a year (1 .. 9999) and the zone's standard offset in hours east
    // positive, returns per day index the hours the clock is ahead of standard time at local
    // noon; nothing when the zone's rules cannot be read.
    virtual std::optional<DaylightShiftTable> Shifts(std::string_view zoneName, std::int16_t year,
                                                     double zoneHours) const = 0;
    // Given a zone name and a span of instants [fromUtc, toUtc) in seconds since 1970 UT,
    // returns the changes of the zone's offset within it, in order; nothing when the zone's
    // rules cannot be read.
    virtual std::optional<std::vector<ZoneTransition>> Changes(std::string_view zoneName,
                                                               std::int64_t fromUtc,
                                                               std::int64_t toUtc) const = 0;
};

// Daylight-saving hours from the system's compiled zone database (ZoneDaylightShifts,
// ZoneTransitionsBetween).
class SystemZoneRules final : public DaylightShiftSource {
  public:
    std::optional<DaylightShiftTable> Shifts(std::string_view zoneName, std::int16_t year,
                                             double zoneHours) const override;
    std::optional<std::vector<ZoneTransition>> Changes(std::string_view zoneName,
                                                       std::int64_t fromUtc,
                                                       std::int64_t toUtc) const override;
};

// The one SystemZoneRules the callers without their own rules share (it holds no state).
const DaylightShiftSource& SystemZones();

}  // namespace orvanta
