#include "app/system_clock.h"

#include "common/local_date.h"

namespace orvanta {

std::optional<CivilDate> SystemClock::Today() const {
    return LocalDateToday();
}

}  // namespace orvanta
