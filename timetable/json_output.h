// A timetable as JSON.
#pragma once

#include <ostream>
#include <vector>

#include "astro/calculation_inputs.h"
#include "astro/method_choice.h"
#include "timetable/timetable.h"

namespace orvanta {

// Writes one JSON object: "place" (name, latitude and longitude in degrees with east positive,
// zone name or null, standard offset, "qiblaDegrees": the Qibla clockwise from true north, null
// at the Kaaba and at its antipode), "settings", and "days", an array with one object per
// day: "date", "hijri" (year, month, day and text "1 Ramadan 1448"; null when the day has no
// Hijri date), "holiday" (HolidayId of the Hijri date, "eid-al-fitr"; null on other days and
// on days without a Hijri date), "utcOffset" ("+03:00", the offset that day's clock shows at noon),
// and per prayer (keys fajr, shuruq, zuhr, asr, maghrib, isha) in "times" the ISO 8601 local
// date-time with offset ("2024-03-10T05:54:00+03:00", on the next or previous date when the time
// lies past midnight), null when there is no time; for a day computed with its night, "night"
// with "imsak", "midnight" and "lastThird" as ISO local date-times with offset or null; on a
// Friday "jumuah": true (its Zuhr is the Friday prayer); in "texts" the time text (TimeField:
// 12-hour, or 24-hour with clock24); in "hours" the day-table value (null when there is no time).
// The place's name and zone show control characters as visible escapes (VisibleText). With a
// choice naming a preset, "settings" names it and gives its parameters in force
// ("method", "authority", "fajrAngle", "ishaAngle" or "ishaInterval", "maghribAngle",
// "adjustments", "highLatitude" with "nearestLatitude" under nearest-latitude, "rounding",
// "asr"); classic writes what it always wrote.
void WriteTimetableAsJson(std::ostream& out, const CityLocation& city,
                          const PrayerSettings& settings, const std::vector<DatedRow>& days,
                          const MethodChoice* choice = nullptr, bool clock24 = false);

}  // namespace orvanta
