// One fake of every service the window uses, recording what was asked of it in one log, with a
// message recorder in place of the message box.
#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/system/services.h"

namespace orvanta::testing_support {

using Log = std::vector<std::string>;

inline long Count(const Log& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

struct Message {
    std::string text;
    std::string caption;
    bool operator==(const Message&) const = default;
};

class FakeWorld final : public Clock,
                        public CityLookup,
                        public HomeCitySource,
                        public SettingsStorage,
                        public DaylightShiftSource,
                        public CitySuggestions {
  public:
    mutable Log log;
    std::vector<Message> messages;

    // The clock: a date, and UT and steady readings.
    std::optional<CivilDate> date = CivilDate{2026, 3, 20};
    std::int64_t utcSeconds = 1774008000;  // 2026-03-20 12:00 UT
    std::int64_t steadyMilliseconds = 0;

    // The city database: the three cities of Cities(), found by their names in any case.
    bool citiesUnavailable = false;  // the database cannot be read: fails without a message
    std::string detroitZone = "America/Detroit";
    mutable std::vector<std::string> searched;  // the names asked for, in order

    mutable std::optional<std::string> home;  // the home city; nothing: none

    // Stored settings in memory; Load settles the lookup name as the real store does. Each save
    // is logged ("save", "save hijri", ...) and fails, storing nothing, when failSave is set.
    PrayerSettings stored{.configuredCity = "Detroit, MI"};
    MethodSettings method;        // what LoadMethod gives
    HijriSettings hijri;          // what LoadHijri gives; SaveHijriOffset replaces its offset
    ReminderSettings reminders;   // what LoadReminders gives and SaveReminders stores
    CompanionSettings companion;  // stored companion values
    bool failSave = false;
    std::function<void()> onLoad;  // runs inside Load, to look at the world at that moment

    // Daylight-saving hours: dstHours on every day and no change of clock, or a failure; or,
    // given realZones, the zone rules of the system.
    bool zonesFail = false;
    double dstHours = 1.0;
    const DaylightShiftSource* realZones = nullptr;

    std::vector<std::string> suggestions = {"Detroit, MI", "Dearborn, MI"};
    mutable std::vector<std::string> suggested;  // the texts suggestions were asked for

    Services services{*this,
                      *this,
                      *this,
                      *this,
                      *this,
                      *this,
                      [this](std::string_view text, std::string_view caption) {
                          log.push_back("message");
                          messages.push_back({std::string(text), std::string(caption)});
                      }};

    FakeWorld() = default;
    FakeWorld(const FakeWorld&) = delete;
    FakeWorld& operator=(const FakeWorld&) = delete;

    std::optional<CivilDate> Today() const override {
        log.push_back("clock");
        return date;
    }
    std::int64_t NowUtcSeconds() const override { return utcSeconds; }
    std::int64_t SteadyMilliseconds() const override { return steadyMilliseconds; }

    // Detroit, MI (42 deg 20' N, 83 deg 03' W, UTC-5), Mecca (21 deg 25' N, 39 deg 49' E, UTC+3)
    // and Nuuk (64.1814 N, 51.6941 W, UTC-2, whose clocks change in the evening); latitude north
    // and longitude WEST in radians, as the records keep them.
    std::array<CityLocation, 3> Cities() const {
        constexpr double kRad = 0.017453292519943295;  // radians per degree
        return {CityLocation{.name = "Detroit, MI",
                             .latitudeRad = (42 + 20 / 60.0) * kRad,
                             .longitudeRad = (83 + 3 / 60.0) * kRad,
                             .zoneHours = -5.0,
                             .supportsDst = 1,
                             .zoneName = detroitZone},
                {.name = "Mecca",
                 .latitudeRad = (21 + 25 / 60.0) * kRad,
                 .longitudeRad = -(39 + 49 / 60.0) * kRad,
                 .zoneHours = 3.0,
                 .zoneName = "Asia/Riyadh"},
                {.name = "Nuuk",
                 .latitudeRad = 64.1814 * kRad,
                 .longitudeRad = 51.6941 * kRad,
                 .zoneHours = -2.0,
                 .supportsDst = 1,
                 .zoneName = "America/Nuuk"}};
    }
    CityLookupStatus LookUpCity(CityLocation& city) const override {
        log.push_back("lookup");
        searched.push_back(city.name);
        const auto fold = [](std::string text) {
            std::ranges::transform(text, text.begin(),
                                   [](unsigned char c) { return std::tolower(c); });
            return text;
        };
        for (const CityLocation& known : Cities()) {
            if (!citiesUnavailable && fold(known.name) == fold(city.name)) {
                city = known;
                return CityLookupStatus::kFound;
            }
        }
        return citiesUnavailable ? CityLookupStatus::kDatabaseUnavailable
                                 : CityLookupStatus::kNotFound;
    }

    bool ReadHomeCity(CityLocation& city) const override {
        log.push_back("home");
        if (home) {
            city.name = *home;
        }
        return home.has_value();
    }
    bool ClearHomeCity() const override {
        home.reset();
        return true;
    }

    void Load(PrayerSettings& settings, CityLocation& city) override {
        log.push_back("load");
        if (onLoad) {
            onLoad();
        }
        settings = stored;
        settings.asrShadowFactor = stored.fiqh == Fiqh::kShafi ? 1.0 : 2.0;
        if (!ReadHomeCity(city)) {
            city.name = stored.configuredCity;
        }
    }
    MethodSettings LoadMethod() override { return method; }
    HijriSettings LoadHijri() override { return hijri; }
    ReminderSettings LoadReminders() override { return reminders; }
    CompanionSettings LoadCompanion() override { return companion; }
    bool Save(const PrayerSettings& settings) override { return Store("save", stored, settings); }
    bool SaveHijriOffset(int offsetDays) override {
        return Store("save hijri", hijri, HijriSettings{offsetDays, false});
    }
    bool SaveReminders(const ReminderSettings& saved) override {
        return Store("save reminders", reminders, saved);
    }
    bool SaveCompanion(const CompanionSettings& values) override {
        return Store("save companion", companion, values);
    }

    std::optional<DaylightShiftTable> Shifts(std::string_view zoneName, std::int16_t year,
                                             double zoneHours) const override {
        log.push_back("zones");
        if (realZones != nullptr) {
            return realZones->Shifts(zoneName, year, zoneHours);
        }
        DaylightShiftTable table;
        table.fill(dstHours);
        return zonesFail ? std::nullopt : std::optional(table);
    }
    std::optional<std::vector<ZoneTransition>> Changes(std::string_view zoneName, std::int64_t from,
                                                       std::int64_t to) const override {
        return realZones != nullptr ? realZones->Changes(zoneName, from, to)
                                    : std::vector<ZoneTransition>{};
    }

    std::vector<std::string> Suggest(std::string_view typed, std::size_t limit) const override {
        suggested.emplace_back(typed);
        return {suggestions.begin(), suggestions.begin() + std::min(limit, suggestions.size())};
    }

  private:
    template <typename T>
    bool Store(const char* what, T& into, const T& value) {
        log.push_back(what);
        if (!failSave) {
            into = value;
        }
        return !failSave;
    }
};

}  // namespace orvanta::testing_support
