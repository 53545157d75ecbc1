// The day the main window's list shows, as a timetable day: for what acts at prayer time.
#pragma once

#include <optional>

#include "app/app_records.h"
#include "app/services.h"
#include "timetable/timetable.h"

namespace orvanta {

// Given the records after a successful daily command, returns records.today's row with each
// event on the clock in force at its instant (ClocksOfEvents, as the list shows them; the
// zone's changes are asked for only on a day near one). Nothing when the date has no day
// index or the zone's changes cannot be read.
std::optional<DatedRow> ShownDay(const AppRecords& records, const Services& services);

}  // namespace orvanta
