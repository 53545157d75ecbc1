// The rows of a timetable under the method in force. Classic goes through ComputeOneDay and
// ComputeDateRange unchanged (bit for bit); a preset goes through the method day table with
// the same seeds, daylight-saving shifts and one call per calendar year, and with the year's
// Ramadan days from the Umm al-Qura calendar where the method's Isha depends on them.
#pragma once

#include <optional>
#include <vector>

#include "astro/method_choice.h"
#include "timetable/timetable.h"

namespace orvanta {

// As ComputeOneDay, under the method the choice names (classic: ComputeOneDay itself).
std::optional<DatedRow> ComputeOneDay(const CivilDate& date, const CityLocation& city,
                                      const PrayerSettings& settings, const MethodChoice& choice);

// As ComputeDateRange, under the method the choice names (classic: ComputeDateRange itself).
std::optional<std::vector<DatedRow>> ComputeDateRange(const CivilDate& first, const CivilDate& last,
                                                      const CityLocation& city,
                                                      const PrayerSettings& settings,
                                                      const MethodChoice& choice);

}  // namespace orvanta
