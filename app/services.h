// What the window needs from the system and from the location layer, as small interfaces so
// that tests can put fakes in their place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/calculation_inputs.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "cities/home_city.h"
#include "common/messages.h"

namespace orvanta {

// The device clock.
class Clock {
  public:
    virtual ~Clock() = default;
    // Today's local civil date as numbers; nothing when the clock cannot be read or its date is
    // not a valid date of the years 1 .. 9999.
    virtual std::optional<CivilDate> Today() const = 0;
};

// The city database.
class CityLookup {
  public:
    virtual ~CityLookup() = default;
    // Finds city.name. True: every field of city describes the city and city.name holds the
    // name as the database writes it. False: no field changed; when no city has that name,
    // showMessage has received "Couldn't find city!" with the caption "Error".
    [[nodiscard]] virtual bool LookUpCity(CityLocation& city,
                                          const MessageFn& showMessage) const = 0;
};

// Where the settings persist.
class SettingsStorage {
  public:
    virtual ~SettingsStorage() = default;
    // Fills settings from the stored values (defaults where nothing usable is stored), derives
    // asrShadowFactor and settles the lookup name city.name: the home city, else the configured
    // city. Reports nothing.
    virtual void Load(PrayerSettings& settings, CityLocation& city) = 0;
    // Stores method, intervalMinutes, depressionDegrees, fiqh and configuredCity. True only
    // when they reached the disk.
    [[nodiscard]] virtual bool Save(const PrayerSettings& settings) = 0;
};

// The daylight-saving hours of a city's real time zone.
class DaylightShiftSource {
  public:
    virtual ~DaylightShiftSource() = default;
    // Given a zone name (IANA), a year (1 .. 9999) and the zone's standard offset in hours east
    // positive, returns per day index the hours the clock is ahead of standard time at local
    // noon; nothing when the zone's rules cannot be read.
    virtual std::optional<DaylightShiftTable> Shifts(std::string_view zoneName, std::int16_t year,
                                                     double zoneHours) const = 0;
};

// Completions for the City field.
class CitySuggestions {
  public:
    virtual ~CitySuggestions() = default;
    // City names whose folded name starts with the folded text, most populous first, at most
    // limit of them; empty when nothing matches or the database cannot be read.
    virtual std::vector<std::string> Suggest(std::string_view typed, std::size_t limit) const = 0;
};

// Everything the window reaches outside itself. The referenced objects outlive the window.
struct Services {
    const Clock& clock;
    const CityLookup& cities;
    const HomeCitySource& homeCity;
    SettingsStorage& settings;
    const DaylightShiftSource& zones;
    const CitySuggestions& suggestions;
    MessageFn showMessage;  // a modal message box with an OK button and no icon
};

}  // namespace orvanta
