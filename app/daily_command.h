// The daily command: today's date, the city lookup, the year's elements and calendar, the one
// day row of the day table, and six rows of the list (prayer name, clock time).
#pragma once

#include <cstdint>
#include <string_view>

#include "app/app_records.h"
#include "app/services.h"
#include "zones/event_clocks.h"

namespace orvanta {

// The three operations of the main window's list that the daily command writes through, and
// the repaint request it ends with.
class TimeListView {
  public:
    virtual ~TimeListView() = default;
    virtual void DeleteAllRows() = 0;
    // Inserts a row at position (a position past the end appends) whose first column shows
    // nameText. Returns the position of the new row, or -1 when the list refused it.
    virtual int InsertRow(int position, std::string_view nameText) = 0;
    // Sets the second column of the row at position. False when there is no such row.
    virtual bool SetTimeText(int position, std::string_view timeText) = 0;
    // Marks the window as needing paint.
    virtual void RepaintWindow() = 0;
};

// Reads today's local date from the clock into today. False, leaving today unchanged, when the
// clock gives no valid date.
[[nodiscard]] bool ReadToday(const Clock& clock, TodayDate& today);

// Inserts one row with its name and sets its time. Returns the row's position, or -1 when the
// list refused the row or its time (or there is no list).
int AddTimeRow(TimeListView* list, int position, std::string_view nameText,
               std::string_view timeText);

// Computes the day row of year-month-day into records.dayTable with the year's elements, leap
// flag and daylight-saving shifts already in records, puts each event on the clock in force at
// its instant (ClocksOfEvents with zoneChanges; empty for a city without a named zone), keeps
// that day in records.shownDay, then replaces the list's rows by six rows in slot order (Fajr
// first). Returns the result of the
// last AddTimeRow; -1 without touching the list when the date has no day index or the zone's
// changes cannot be read.
int ShowDayTimes(AppRecords& records, TimeListView* list, std::int16_t year, std::int16_t month,
                 std::int16_t day, const ZoneChangesFn& zoneChanges = {});

// The whole command, in this order: ReadToday; LookUpCity; the year's elements; the year's
// calendar and daylight-saving shifts (the city's zone rules when it names a zone, else the
// fixed window); ShowDayTimes. A failed date reading, lookup or zone-rule reading shows
// "Error getting data!" (caption "Error!") and leaves the list as it was. Ends with a repaint
// request either way. Returns true when the six rows of records.today were written.
bool CalculateToday(AppRecords& records, const Services& services, TimeListView* list);

}  // namespace orvanta
