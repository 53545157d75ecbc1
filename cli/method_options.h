// The options that choose the method: --preset and the overrides of a preset's parameters, as
// one option group of the times command.
#pragma once

#include <memory>

#include "cli/times_option_groups.h"

namespace orvanta {

// The group of --preset, --fajr-angle, --isha-angle, --isha-interval, --maghrib-angle,
// --adjust, --high-latitude and --rounding. Each value is checked as the parser reads it (a
// bad one ends the run with one line and status 2); Fill refuses --isha-angle with
// --isha-interval, and classic's own options (--method, --depression, --interval, filled by
// the settings group before it) with a --preset other than classic, which they otherwise
// choose for the run.
std::unique_ptr<TimesOptionGroup> MethodOptionGroup();

}  // namespace orvanta
