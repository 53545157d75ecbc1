// What the window needs from the system and from the location layer, as small interfaces so
// that tests can put fakes in their place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/text/messages.h"
#include "astro/calculation_inputs.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "cities/city_store.h"
#include "cities/home_city.h"
#include "common/notices.h"
#include "common/printed_timetable.h"
#include "settings/companion_settings.h"
#include "settings/display_settings.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "settings/reminder_settings.h"
#include "settings/settings_store.h"
#include "zones/zone_rule_source.h"

namespace orvanta {

// The device clock.
class Clock {
  public:
    virtual ~Clock() = default;
    // Today's local civil date as numbers; nothing when the clock cannot be read or its date is
    // not a valid date of the years 1 .. 9999.
    virtual std::optional<CivilDate> Today() const = 0;
    // The wall clock: seconds since 1970-01-01 00:00 UT. It may jump (a clock or zone change,
    // a resume from suspend).
    virtual std::int64_t NowUtcSeconds() const = 0;
    // A clock that never jumps, in milliseconds from an arbitrary start: comparing its advance
    // with the wall clock's tells a jump of the wall clock from time that passed.
    virtual std::int64_t SteadyMilliseconds() const = 0;
};

// The city database.
class CityLookup {
  public:
    virtual ~CityLookup() = default;
    // Finds city.name. Found: every field of city describes the city and city.name holds the
    // name as the database writes it. Otherwise no field changed.
    [[nodiscard]] virtual CityLookupStatus LookUpCity(CityLocation& city) const = 0;
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
    // The method values (LoadMethodSettings): classic when none are stored. Reports nothing.
    virtual MethodSettings LoadMethod() { return {}; }
    // Stores the settings as Save does and, in the same replacement of the file, the method
    // values (StoreMethodValues, leaving the unreadable ones alone). True only when they
    // reached the disk.
    [[nodiscard]] virtual bool SaveWithMethod(const PrayerSettings& settings,
                                              const MethodSettings& /*method*/) {
        return Save(settings);
    }
    // The Hijri offset (LoadHijriSettings): 0 when none is stored. Reports nothing.
    virtual HijriSettings LoadHijri() { return {}; }
    // Stores the Hijri offset, keeping everything else. True only when it reached the disk; a
    // storage that cannot keep it returns false.
    [[nodiscard]] virtual bool SaveHijriOffset(int /*offsetDays*/) { return false; }
    // The reminder values (LoadReminderSettings): every reminder off when none are stored.
    // Reports nothing.
    virtual ReminderSettings LoadReminders() { return {}; }
    // Stores the reminder values (SaveReminderSettings). True only when they reached the disk.
    [[nodiscard]] virtual bool SaveReminders(const ReminderSettings& /*reminders*/) { return true; }
    // The companion values (LoadCompanionSettings): the defaults when none are stored.
    virtual CompanionSettings LoadCompanion() { return {}; }
    // Stores the companion values (SaveCompanionSettings). True only when they reached the
    // disk.
    [[nodiscard]] virtual bool SaveCompanion(const CompanionSettings& /*companion*/) {
        return false;
    }
    // The display values (LoadDisplaySettings): the language's clock when none are stored.
    virtual DisplaySettings LoadDisplay() { return {}; }
    // Stores the display values (SaveDisplaySettings). True only when they reached the disk.
    [[nodiscard]] virtual bool SaveDisplay(const DisplaySettings& /*display*/) { return true; }
    // Stores the settings and every group given, as the saves above would, all of them tried;
    // a file storage does it in one replacement of the file (SaveSettingsGroups). True only when
    // everything reached the disk.
    [[nodiscard]] virtual bool SaveAll(const PrayerSettings& settings,
                                       const SettingsGroups& groups) {
        bool saved = groups.method ? SaveWithMethod(settings, *groups.method) : Save(settings);
        saved = (!groups.hijriOffsetDays || SaveHijriOffset(*groups.hijriOffsetDays)) && saved;
        saved = (!groups.display || SaveDisplay(*groups.display)) && saved;
        saved = (!groups.reminders || SaveReminders(*groups.reminders)) && saved;
        return (!groups.companion || SaveCompanion(*groups.companion)) && saved;
    }
};

// Completions for the City field.
class CitySuggestions {
  public:
    virtual ~CitySuggestions() = default;
    // City names whose folded name starts with the folded text, most populous first, at most
    // limit of them; empty when nothing matches or the database cannot be read.
    virtual std::vector<std::string> Suggest(std::string_view typed, std::size_t limit) const = 0;
    // The city to offer for a position (degrees NORTH and EAST positive): the first of the
    // shipped database's nearest cities (FindNearestCities) and its distance in km; nothing
    // when the database cannot be read.
    struct NearestCity {
        std::string name;
        double distanceKm = 0.0;
    };
    virtual std::optional<NearestCity> Nearest(double /*latitudeDeg*/,
                                               double /*longitudeDeg*/) const {
        return std::nullopt;
    }
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
    // What the services above did on their own account (a damaged file moved aside, a file
    // that is not a regular file left alone); the window shows it once it is on screen.
    NoticeList* notices = nullptr;
    // The printed timetable the user imported for the city (named as the city database names
    // it) from firstDay to lastDay (days since 1970-01-01); empty when none, or not set.
    std::function<PrintedDays(const std::string& city, std::int64_t firstDay, std::int64_t lastDay)>
        printedDays = {};
};

}  // namespace orvanta
