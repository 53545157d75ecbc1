// Numbers read from text: the one parser behind every number of the settings file and the
// command line. The whole text must be the number: ASCII digits, no spaces, leading zeros
// allowed, a '.' as the decimal point whatever the locale.
#pragma once

#include <optional>
#include <string_view>

namespace orvanta {

// Which signs may lead the number.
enum class NumberSigns {
    kNone,         // digits only: "7", "007"
    kMinusOnly,    // "-7" too, not "+7"
    kPlusOrMinus,  // "+7" and "-7", not "+-7"
};

// Given text, returns the number it holds in full, or nothing for any other text, for an
// empty one, or for a value T cannot hold. T is int (whole numbers only) or double (decimals
// and exponents as in "1.5", ".5", "5.", "1e3"; finite values only: no "inf", no "nan").
template <typename T>
std::optional<T> ParseNumber(std::string_view text, NumberSigns signs);

extern template std::optional<int> ParseNumber<int>(std::string_view, NumberSigns);
extern template std::optional<double> ParseNumber<double>(std::string_view, NumberSigns);

}  // namespace orvanta
