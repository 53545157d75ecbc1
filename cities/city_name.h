// Which texts may serve as a city name.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvanta {

// City names live in buffers of 200 UTF-16 code units, terminator included.
inline constexpr std::size_t kMaxCityNameUtf16Units = 199;

// True when text is well-formed UTF-8, holds no NUL, holds at least one character other than
// ASCII whitespace, and takes at most 199 UTF-16 code units. A longer name is refused, never
// cut: a cut name would be searched for later and not be found.
bool IsUsableCityName(std::string_view text);

}  // namespace orvanta
