#include "cities/city_name.h"

#include <optional>

#include "cities/search_key.h"
#include "common/utf16.h"

namespace orvanta {

bool IsUsableCityName(std::string_view text) {
    // A UTF-16 code unit takes at most three UTF-8 bytes (four bytes make two units), so more
    // than 199 * 3 bytes is too long without decoding.
    if (text.empty() || text.size() > kMaxCityNameUtf16Units * 3) {
        return false;
    }
    if (text.find('\0') != std::string_view::npos) {
        return false;
    }
    if (CollapseAsciiWhitespace(text).empty()) {
        return false;
    }
    const std::optional<std::size_t> units = Utf16Length(text);
    return units.has_value() && *units <= kMaxCityNameUtf16Units;
}

}  // namespace orvanta
