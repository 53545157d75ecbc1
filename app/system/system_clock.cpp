#include "app/system/system_clock.h"

#include <chrono>

#include "common/local_date.h"

namespace orvanta {

std::optional<CivilDate> SystemClock::Today() const {
    return LocalDateToday();
}

std::int64_t SystemClock::NowUtcSeconds() const {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(now).count();
}

std::int64_t SystemClock::SteadyMilliseconds() const {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

}  // namespace orvanta
