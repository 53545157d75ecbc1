// One month of the timetable for the window: the shared range computation with the Hijri
// dates, and the texts that name what was computed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "astro/calculation_inputs.h"
#include "astro/method_choice.h"
#include "timetable/timetable.h"

namespace orvanta {

struct MonthRequest {
    int year = 2026;  // 1 .. 9999
    int month = 1;    // 1 .. 12
    CityLocation city;
    PrayerSettings settings;
    MethodChoice choice;
    int hijriOffsetDays = 0;  // -2 .. +2
    bool nightTimes = false;  // each day with its night (Imsak, midnight, last third)
    // The city's printed days from the first day to the last (days since 1970-01-01); not set:
    // none.
    std::function<PrintedDays(std::int64_t firstDay, std::int64_t lastDay)> printed;
};

// Every day of the month (ComputeDateRange, the city's zone as given, as the window's day is
// computed) with its Hijri date. Nothing when the month is out of range, the zone's rules
// cannot be read or the Hijri dates cannot be computed.
std::optional<std::vector<DatedRow>> ComputeMonth(const MonthRequest& request);

// The method line of days some of which are a printed timetable's: "timetable of CITY" when
// all are, else the printed dates and then MethodInWords for the others; MethodInWords when
// none is.
QString MethodOfDays(const PrayerSettings& settings, const MethodChoice& choice,
                     const QString& city, const std::vector<DatedRow>& days);

}  // namespace orvanta
