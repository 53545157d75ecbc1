// What a times or next run settles before computing: the settings (saved, then the command
// line's), the method, the Hijri offset and the place (looked up, or given with its zone).
#pragma once

#include <cstdint>
#include <ostream>

#include "astro/calculation_inputs.h"
#include "astro/method_choice.h"
#include "cli/times_command.h"
#include "cli/times_options.h"

namespace orvanta {

struct RunSetup {
    PrayerSettings settings;
    CityLocation city;
    MethodChoice choice;
    int hijriOffset = 0;
};

// Settles setup for the request; year is the calendar year whose standard offset a zone given
// by name takes. Warnings go to err as lines. Returns 0, or the exit status after writing the
// error: 1 a city or zone not found or no database, 2 preset parameters with the classic method.
int SetUpRun(const TimesRequest& request, const TimesServices& services, std::int16_t year,
             std::ostream& err, RunSetup& setup);

// The Hijri offset of a run that needs no place: the command line's, else the saved one (a
// saved value that cannot be read is reported to err and taken as 0).
int RunHijriOffset(const SettingsOverrides& overrides, const TimesServices& services,
                   std::ostream& err);

// The error of a computation that gave no days: the city's zone is unknown, or its rules could
// not be read. Returns the exit status, 1.
int ReportNoDays(const CityLocation& city, std::ostream& err);

}  // namespace orvanta
