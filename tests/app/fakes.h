// Fakes of the window's services that record what was asked of them, in one shared log.
#pragma once

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/services.h"

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

class FakeClock final : public Clock {
  public:
    explicit FakeClock(Log& log) : log_(log) {}
    std::optional<CivilDate> date = CivilDate{2026, 3, 20};
    std::optional<CivilDate> Today() const override {
        log_.push_back("clock");
        return date;
    }
    std::int64_t utcSeconds = 1774008000;  // 2026-03-20 12:00 UT
    std::int64_t steadyMilliseconds = 0;
    std::int64_t NowUtcSeconds() const override { return utcSeconds; }
    std::int64_t SteadyMilliseconds() const override { return steadyMilliseconds; }

  private:
    Log& log_;
};

// A database of three cities found by their names in any case, and written as the database
// spells them: Detroit, MI (42 deg 20' N, 83 deg 03' W, UTC-5, zone rules named), Mecca
// (21 deg 25' N, 39 deg 49' E, UTC+3, Asia/Riyadh) and Nuuk (64.1814 N, 51.6941 W, UTC-2,
// whose clocks change in the evening). Any other name is not found.
class FakeCityLookup final : public CityLookup {
  public:
    explicit FakeCityLookup(Log& log) : log_(log) {}
    bool unavailable = false;  // the database cannot be read: fails without a message
    std::string zoneName = "America/Detroit";
    mutable std::vector<std::string> searched;  // the names asked for, in order

    bool LookUpCity(CityLocation& city, const MessageFn& showMessage) const override {
        log_.push_back("lookup");
        searched.push_back(city.name);
        std::string folded = city.name;
        for (char& c : folded) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        constexpr double kRadiansPerDegree = 0.017453292519943295;
        if (unavailable) {
            return false;
        }
        // Latitude north and longitude WEST in radians, as the records keep them.
        if (folded == "mecca") {
            city = {.name = "Mecca",
                    .latitudeRad = (21 + 25 / 60.0) * kRadiansPerDegree,
                    .longitudeRad = -(39 + 49 / 60.0) * kRadiansPerDegree,
                    .zoneHours = 3.0,
                    .zoneName = "Asia/Riyadh"};
        } else if (folded == "detroit, mi") {
            city = {.name = "Detroit, MI",
                    .latitudeRad = (42 + 20 / 60.0) * kRadiansPerDegree,
                    .longitudeRad = (83 + 3 / 60.0) * kRadiansPerDegree,
                    .zoneHours = -5.0,
                    .supportsDst = 1,
                    .zoneName = zoneName};
        } else if (folded == "nuuk") {
            city = {.name = "Nuuk",
                    .latitudeRad = 64.1814 * kRadiansPerDegree,
                    .longitudeRad = 51.6941 * kRadiansPerDegree,
                    .zoneHours = -2.0,
                    .supportsDst = 1,
                    .zoneName = "America/Nuuk"};
        } else {
            showMessage("Couldn't find city!", "Error");
            return false;
        }
        return true;
    }

  private:
    Log& log_;
};

class FakeHomeCity final : public HomeCitySource {
  public:
    explicit FakeHomeCity(Log& log) : log_(log) {}
    mutable std::optional<std::string> home;  // nothing: no home city
    bool ReadHomeCity(CityLocation& city) const override {
        log_.push_back("home");
        if (home) {
            city.name = *home;
        }
        return home.has_value();
    }
    bool ClearHomeCity() const override {
        home.reset();
        return true;
    }

  private:
    Log& log_;
};

// Stored settings in memory; Load settles the lookup name as the real store does. Each save is
// logged ("save", "save hijri", ...) and fails, storing nothing, when failSave is set.
class FakeSettingsStorage final : public SettingsStorage {
  public:
    FakeSettingsStorage(Log& log, const HomeCitySource& home) : log_(log), home_(home) {}
    PrayerSettings stored;
    MethodSettings method;        // what LoadMethod gives
    HijriSettings hijri;          // what LoadHijri gives; SaveHijriOffset replaces its offset
    ReminderSettings reminders;   // what LoadReminders gives and SaveReminders stores
    CompanionSettings companion;  // stored companion values
    bool failSave = false;
    std::function<void()> onLoad;  // runs inside Load, to look at the world at that moment

    void Load(PrayerSettings& settings, CityLocation& city) override {
        log_.push_back("load");
        if (onLoad) {
            onLoad();
        }
        settings = stored;
        settings.asrShadowFactor = stored.fiqh == 0 ? 1.0 : 2.0;
        if (!home_.ReadHomeCity(city)) {
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

  private:
    template <typename T>
    bool Store(const char* what, T& into, const T& value) {
        log_.push_back(what);
        if (!failSave) {
            into = value;
        }
        return !failSave;
    }
    Log& log_;
    const HomeCitySource& home_;
};

// Daylight-saving hours: a whole hour on every day, or a failure; or, given real, the zone rules
// of the system.
class FakeZones final : public DaylightShiftSource {
  public:
    explicit FakeZones(Log& log) : log_(log) {}
    bool fail = false;
    double hours = 1.0;
    const DaylightShiftSource* real = nullptr;
    mutable std::vector<std::string> asked;
    std::optional<DaylightShiftTable> Shifts(std::string_view zoneName, std::int16_t year,
                                             double zoneHours) const override {
        log_.push_back("zones");
        asked.push_back(std::string(zoneName) + " " + std::to_string(year) + " " +
                        std::to_string(zoneHours));
        if (real != nullptr) {
            return real->Shifts(zoneName, year, zoneHours);
        }
        DaylightShiftTable table;
        table.fill(hours);
        return fail ? std::nullopt : std::optional(table);
    }
    // The same offset all year: no change.
    std::optional<std::vector<ZoneTransition>> Changes(std::string_view zoneName, std::int64_t from,
                                                       std::int64_t to) const override {
        return real != nullptr ? real->Changes(zoneName, from, to) : std::vector<ZoneTransition>{};
    }

  private:
    Log& log_;
};

class FakeSuggestions final : public CitySuggestions {
  public:
    mutable std::vector<std::string> asked;
    std::vector<std::string> answer = {"Detroit, MI", "Dearborn, MI"};
    std::vector<std::string> Suggest(std::string_view typed, std::size_t limit) const override {
        asked.emplace_back(typed);
        return {answer.begin(), answer.begin() + std::min(limit, answer.size())};
    }
};

// Every fake wired together, with a message recorder in place of the message box.
struct FakeWorld {
    Log log;
    std::vector<Message> messages;
    FakeClock clock{log};
    FakeCityLookup cities{log};
    FakeHomeCity homeCity{log};
    FakeSettingsStorage settings{log, homeCity};
    FakeZones zones{log};
    FakeSuggestions suggestions;
    Services services{clock,
                      cities,
                      homeCity,
                      settings,
                      zones,
                      suggestions,
                      [this](std::string_view text, std::string_view caption) {
                          log.push_back("message");
                          messages.push_back({std::string(text), std::string(caption)});
                      }};
    FakeWorld() { settings.stored.configuredCity = "Detroit, MI"; }
    FakeWorld(const FakeWorld&) = delete;
    FakeWorld& operator=(const FakeWorld&) = delete;
};

}  // namespace orvanta::testing_support
