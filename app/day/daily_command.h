// The daily command: today's date, the city lookup, the day's times from the one day
// computation, and six rows of the list (prayer name, clock time).
#pragma once

#include <cstdint>
#include <string_view>

#include "app/day/app_records.h"
#include "app/system/services.h"
#include "timetable/timetable.h"

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

// The city's printed days from first to last, from services (none when it has no source).
PrintedDays PrintedDaysOf(const Services& services, const CityLocation& city,
                          const CivilDate& first, const CivilDate& last);

// Reads today's local date from the clock into today. False, leaving today unchanged, when the
// clock gives no valid date.
[[nodiscard]] bool ReadToday(const Clock& clock, TodayDate& today);

// Inserts one row with its name and sets its time. Returns the row's position, or -1 when the
// list refused the row or its time (or there is no list).
int AddTimeRow(TimeListView* list, int position, std::string_view nameText,
               std::string_view timeText);

// Replaces the list's rows by the six times of day in slot order (Fajr first; Zuhr named
// Jumu'ah on a Friday), then, for a day with its night, Imsak, Midnight and the last third.
// Returns the result of the last AddTimeRow.
int ShowDayTimes(const DatedRow& day, TimeListView* list);

// The whole command, in this order: ReadToday; LookUpCity; the day through ComputeDayOfYear
// with the zone rules of services (the same computation as the command line's), kept in the
// year's records and shownDay; ShowDayTimes. A failed date reading, lookup or computation
// (zone rules that cannot be read) shows "Error getting data!" (caption "Error!") and leaves
// the list as it was. Ends with a repaint
// request either way. Returns true when the six rows of records.today were written.
bool CalculateToday(AppRecords& records, const Services& services, TimeListView* list);

}  // namespace orvanta
