// The text of a stored single-precision hour value as printf's "%.9g" writes it: nine
// significant digits, enough to read the float back bit for bit.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// The text in a fixed buffer: at most 15 characters ("-3.40282347e+38"), and the buffer's
// 16 bytes may be copied whole.
struct HoursText {
    std::array<char, 16> chars{};
    std::size_t length = 0;

    std::string_view View() const { return {chars.data(), length}; }
};

// Given a stored slot value in hours (any float: negative, past 24, the no-event value,
// infinite or NaN), returns exactly what printf("%.9g", (double)hours) writes. Values of
// magnitude 1 to 100 (every real clock time of a day) are formatted with integer arithmetic;
// the rest go through std::to_chars, which gives the same text more slowly.
HoursText FormatHoursText(float hours);

// Appends FormatHoursText(hours) to text.
void AppendHoursText(std::string& text, float hours);

}  // namespace orvanta
