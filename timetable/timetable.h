// The rows of a timetable: each day computed exactly as the daily command computes it (a
// one-day table seeded from the day before), each event on the clock in force at its instant.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/calculation_inputs.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "astro/method_choice.h"
#include "astro/year_elements.h"
#include "common/printed_timetable.h"
#include "hijri/hijri_date.h"
#include "zones/zone_rule_source.h"

namespace orvanta {

// A time of the night on the clock in force at its instant.
struct NightTime {
    // Hours after the local midnight that begins the row's date: above 24 for a time after the
    // next local midnight (it belongs to the night that began on the date).
    double hours = 0.0;
    double offsetHours = 0.0;  // hours EAST of Universal Time of the clock it is shown on
};

// The night's times of a day; each nothing where an event it needs does not happen.
struct NightRow {
    std::optional<NightTime> imsak;      // Imsak before the date's Fajr (the date's morning)
    std::optional<NightTime> midnight;   // half of the night that begins at the date's sunset
    std::optional<NightTime> lastThird;  // the start of that night's last third
};

// One day of a timetable.
struct DatedRow {
    CivilDate date;
    // Hours after the date's local midnight, each event on the clock in force at its instant
    // (the day-table row, moved by the change of offset on the rare day that has one near it);
    // not wrapped.
    DayRow row;
    // Hours EAST of Universal Time of the clock at the day's local noon: the city's zoneHours
    // plus that day's daylight-saving shift.
    double utcOffsetHours = 0.0;
    // Hours EAST of Universal Time of the clock each event is shown on.
    std::array<double, kPrayerCount> eventOffsetHours{};
    // The date in the Umm al-Qura calendar, with the user's offset; nothing until
    // AddHijriDates has given it, and nothing for a day before 1 AH.
    std::optional<HijriDate> hijri{};
    // The night's times: nothing unless the range was computed with them.
    std::optional<NightRow> night{};
    // True when slots 0 .. 5 are a printed timetable's times (PrintedDays) instead of the
    // calculation's.
    bool printed = false;
};

// How the command line's outputs name the source of a printed day's times: "timetable of "
// and the city's name (control characters shown escaped).
std::string PrintedMethodText(const CityLocation& city);

// Ten years: longer ranges are refused, which keeps the output bounded.
inline constexpr std::int64_t kMaxRangeDays = 3653;

// How a range finds each year's standard offset.
enum class ZoneYears {
    kAsGiven,   // the city's zoneHours and supportsDst hold for every year (a stored city)
    kEachYear,  // settled from the city's named zone for each calendar year (a zone given by name)
};

// One day as ComputeDayOfYear gives it, with what its computation used of its year, for a
// caller that keeps those (the window's records).
struct ComputedDay {
    DatedRow day;
    std::int16_t index = 0;  // the date's day index in its year, 0 .. 365
    DayRow tableRow{};       // the day-table row: times before the clock step, shift included
    YearElements elements{};
    DaylightShiftTable shifts{};
    RamadanTable ramadan{};  // all zero unless the method's Isha changes in Ramadan
};

// Each of the three computations below takes the city's printed timetable (null: none): a date
// it covers gets the printed local times in place of the calculation's (the day's offsets,
// Hijri date and the rest as computed), each time shown with the offset in force at its
// instant, and printed set.
//
// Given a valid date, returns its row: a one-day table seeded from the day before
// (ComputeDayTable for classic, the method day table for a preset, with the year's Umm al-Qura
// Ramadan days where the method's Isha changes in Ramadan), with the year's daylight-saving
// shifts of the city's zone as zones gives them (DaylightShiftsForCity: the fixed window for a
// city without a zone name), each event then on the clock in force at its instant
// (ClocksOfEvents with zones' changes). Nothing when the zone's rules cannot be read or the
// choice names no known method.
std::optional<ComputedDay> ComputeDayOfYear(const CivilDate& date, const CityLocation& city,
                                            const PrayerSettings& settings,
                                            const MethodChoice& choice,
                                            const DaylightShiftSource& zones,
                                            const PrintedDays* printed = nullptr);

// ComputeDayOfYear's day alone: the row the window, the command line and the timetable show.
std::optional<DatedRow> ComputeOneDay(const CivilDate& date, const CityLocation& city,
                                      const PrayerSettings& settings,
                                      const MethodChoice& choice = MethodChoice{},
                                      const DaylightShiftSource& zones = SystemZones(),
                                      const PrintedDays* printed = nullptr);

// Given valid dates first <= last, returns one row per day from first to last, both included,
// each exactly the row ComputeOneDay gives for that date (with the city settled for that
// date's year when zoneYears is EachYear). On a date printed covers, the row holds the printed
// timetable's times (WithPrinted). With withNight, each row also has its night
// (NightTimesOfDays). Nothing when a year's zone rules cannot be read.
std::optional<std::vector<DatedRow>> ComputeDateRange(const CivilDate& first, const CivilDate& last,
                                                      const CityLocation& city,
                                                      const PrayerSettings& settings,
                                                      const MethodChoice& choice = MethodChoice{},
                                                      ZoneYears zoneYears = ZoneYears::kAsGiven,
                                                      const PrintedDays* printed = nullptr,
                                                      bool withNight = false);

// ComputeDateRange(date, date, ..., printed, withNight = true)'s one row: the day with its night.
std::optional<DatedRow> ComputeDayWithNight(const CivilDate& date, const CityLocation& city,
                                            const PrayerSettings& settings,
                                            const MethodChoice& choice = MethodChoice{},
                                            const PrintedDays* printed = nullptr);

}  // namespace orvanta
