// The small rules from which the day table is built, exposed for their tests.
#pragma once

namespace orvanta {

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

}  // namespace orvanta
