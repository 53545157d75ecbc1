// The device clock.
#pragma once

#include "app/system/services.h"

namespace orvanta {

class SystemClock final : public Clock {
  public:
    // The local Gregorian date of the system clock, taken as numbers (never from text, which
    // the locale may write with other digits or in another calendar).
    std::optional<CivilDate> Today() const override;
    std::int64_t NowUtcSeconds() const override;
    std::int64_t SteadyMilliseconds() const override;
};

}  // namespace orvanta
