#include "astro/daylight_shift.h"

#include <algorithm>

namespace orvanta {

DaylightShiftTable DaylightShiftFromWindow(const DstWindow& window) {
    DaylightShiftTable shifts{};
    if (window.lastDay == 0) {
        return shifts;
    }
    const int firstIndex = std::max(0, window.firstDay - 1);
    const int endIndex = std::min(kDaysInTable, static_cast<int>(window.lastDay));
    for (int j = firstIndex; j < endIndex; ++j) {
        shifts[j] = 1.0;
    }
    return shifts;
}

}  // namespace orvanta
