// The text of the Options dialog's number field: at most three decimal digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// The field holds at most this many characters.
inline constexpr std::size_t kNumberFieldChars = 3;

// Given a stored angle or interval, returns the field's text for it: the value cut to a whole
// number (fraction dropped), shown as 999 when larger (it cannot fit three digits) and as 0
// when negative or not a number.
std::string NumberFieldText(double value);

// Given the field's text, returns the number it stores: the leading decimal digits among its
// first three characters (0 when there are none), so 0 .. 999.
int NumberFieldValue(std::string_view text);

}  // namespace orvanta
