#include "astro/number_text.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace orvanta {

template <typename T>
std::optional<T> ParseNumber(std::string_view text, NumberSigns signs) {
    // std::from_chars reads a leading '-' itself and refuses a '+'.
    if (signs == NumberSigns::kPlusOrMinus && !text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    } else if (signs == NumberSigns::kNone && !text.empty() && text.front() == '-') {
        return std::nullopt;
    }
    if (text.empty()) {
        return std::nullopt;
    }
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return value;
}

template std::optional<int> ParseNumber<int>(std::string_view, NumberSigns);
template std::optional<double> ParseNumber<double>(std::string_view, NumberSigns);

}  // namespace orvanta
