// The text of a stored single-precision hour value as printf's "%.9g" writes it: nine
// significant digits, enough to read the float back bit for bit.
#pragma once

#include <string>

namespace orvanta {

// Given a stored slot value in hours (any float: negative, past 24, the no-event value,
// infinite or NaN), appends to text exactly what printf("%.9g", (double)hours) writes.
// Values of magnitude 1 to 100 (every real clock time of a day) are formatted with integer
// arithmetic; the rest go through std::to_chars, which gives the same text more slowly.
void AppendHoursText(std::string& text, float hours);

}  // namespace orvanta
