#include "app/text/number_field_text.h"

#include <cmath>

namespace orvanta {

std::string NumberFieldText(double value) {
    if (!(value >= 0.0)) {  // negative or NaN
        return "0";
    }
    if (value >= 999.0) {
        return "999";
    }
    return std::to_string(static_cast<int>(std::trunc(value)));
}

int NumberFieldValue(std::string_view text) {
    int value = 0;
    for (std::size_t i = 0; i < text.size() && i < kNumberFieldChars; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace orvanta
