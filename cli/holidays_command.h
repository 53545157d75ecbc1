// orvanta-times holidays: the Gregorian dates of the days of the Islamic year in one year.
#pragma once

#include <ostream>

#include "cli/times_command.h"
#include "cli/times_options.h"

namespace orvanta {

// Writes the holidays of the request's year (this year when none is given), with the Hijri
// offset given or saved: text (one line per day: date, weekday, name, Hijri date), json
// ({"year", "hijriOffset", "holidays": [{"date", "id", "name", "hijri"}]}) or ics (one all-day
// VEVENT each: DTSTART;VALUE=DATE and DTEND the next day; UID "<id>-<Hijri year>@orvanta", the
// same whatever the offset, so that a calendar replaces an event moved by it). Returns 0, or 1
// with a message when the date or the calendar cannot be had or the output cannot be written.
int RunHolidaysCommand(const HolidaysRequest& request, std::ostream& out, std::ostream& err,
                       const TimesServices& services);

}  // namespace orvanta
