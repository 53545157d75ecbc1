// Where the command line gets today's date.
#pragma once

#include <functional>
#include <optional>

#include "common/local_date.h"

namespace orvanta {

// Supplies today's civil date; tests pin it.
using TodayFn = std::function<std::optional<CivilDate>()>;

}  // namespace orvanta
