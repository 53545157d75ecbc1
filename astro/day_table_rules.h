// The small rules from which the day table is built, exposed for their tests.
#pragma once

#include <cstdint>

#include "astro/day_table.h"

namespace orvanta {

// Seeds (hours): the first estimate of each event before the first row, and the estimate used
// after a day on which the event had no usable time.
struct SeedRule {
    double initial;
    double fallback;
};
inline constexpr SeedRule kFajrSeed{4.0, 1.0};
inline constexpr SeedRule kShuruqSeed{6.0, 5.0};
inline constexpr SeedRule kAsrSeed{15.0, 15.0};
inline constexpr SeedRule kMaghribSeed{18.0, 21.0};
inline constexpr SeedRule kIshaSeed{20.0, 23.0};

// The morning flag of SolarEventTime: before the transit, or after it.
inline constexpr std::int16_t kMorning = 1;
inline constexpr std::int16_t kEvening = 0;

// Converts hours to a stored single-precision slot value. Magnitudes beyond float's range
// (possible with huge stored intervals) become infinities instead of an out-of-range
// conversion; everything else rounds to nearest.
float ToSlot(double hours);

// Given the stored slot value, the time as returned (hours) and the event's fallback seed,
// returns the next day's seed: the returned time when the STORED value is below 24 hours, else
// the fallback (no event, a time of 24 h or more, or a time that rounds to 24.0 when stored).
double NextSeed(float stored, double returned, double fallback);

// Given the Asr shadow factor (object lengths beyond the noon shadow: 1 Shafi, 2 Hanafi) and
// the sun's noon zenith distance z0 in radians, returns the Asr zenith distance in radians:
// arctan(shadowFactor + tan z0).
double AsrZenithDistance(double shadowFactor, double noonZenithDistanceRad);

// Adds each day's daylight-saving hours to the six slots of the rows [first, last), widened to
// double and stored back in single precision (no-event slots included).
void ApplyDaylightShifts(DayTable& table, int first, int last, const DaylightShiftTable& shifts);

// Adds shiftHours to every time of the row (ToSlot of the sum); a zero shift leaves it as is.
void ShiftRow(DayRow& row, double shiftHours);

}  // namespace orvanta
