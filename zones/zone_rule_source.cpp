#include "zones/zone_rule_source.h"

#include "zones/zone_rules.h"

namespace orvanta {

std::optional<DaylightShiftTable> SystemZoneRules::Shifts(std::string_view zoneName,
                                                          std::int16_t year,
                                                          double zoneHours) const {
    return ZoneDaylightShifts(zoneName, year, zoneHours);
}

std::optional<std::vector<ZoneTransition>> SystemZoneRules::Changes(std::string_view zoneName,
                                                                    std::int64_t fromUtc,
                                                                    std::int64_t toUtc) const {
    return ZoneTransitionsBetween(zoneName, fromUtc, toUtc);
}

const DaylightShiftSource& SystemZones() {
    static const SystemZoneRules zones;
    return zones;
}

}  // namespace orvanta
