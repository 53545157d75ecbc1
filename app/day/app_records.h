// The process-wide records of the program. Each exists once, for the life of the process, and
// only the user-interface thread touches them.
#pragma once

#include <cstdint>

#include <QPointer>

#include "astro/calculation_inputs.h"
#include "astro/calendar.h"
#include "astro/day_table.h"
#include "astro/method_day_table.h"
#include "astro/year_elements.h"
#include "settings/companion_settings.h"
#include "settings/display_settings.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "timetable/timetable.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QMainWindow;
class QTreeWidget;

namespace orvanta {

class QiblaDial;

// Today's date as the daily command last read it from the clock; a failed read leaves it.
struct TodayDate {
    std::int16_t year = 0;
    std::int16_t month = 0;  // 1 .. 12
    std::int16_t day = 0;    // 1 .. 31
};

// The calendar facts of the year last computed, and the daylight-saving hours of each of its
// days (from the city's zone rules, or the fixed window).
struct CalendarState {
    YearCalendar calendar;
    DaylightShiftTable daylightShifts{};
};

// The user interface's handles, set once while the main window is created. A pointer stays
// empty when its control does not exist and turns empty when the control is destroyed.
struct MainWindowState {
    QPointer<QMainWindow> mainWindow;
    QPointer<QLineEdit> cityDisplay;
    QPointer<QDateEdit> datePicker;
    QPointer<QTreeWidget> listView;
    QPointer<QLabel> hijriDate;     // the Hijri date beside the date picker
    QPointer<QLabel> qibla;         // the Qibla of the city last computed
    QPointer<QiblaDial> qiblaDial;  // the same Qibla drawn as a dial beside it
};

struct AppRecords {
    PrayerSettings settings;
    // The method in force (classic: the settings above alone) and the method values that
    // could not be read, which a save leaves as they are.
    MethodSettings method;
    // The days the Hijri date is moved by, and whether the stored value could not be read.
    HijriSettings hijri;
    // How the times are shown (the clock style, put in use by UseClockStyle).
    DisplaySettings display;
    // The Ramadan days of the year last computed, for a method whose Isha changes in Ramadan.
    RamadanTable ramadan{};
    CityLocation city;
    TodayDate today;
    YearElements yearElements;
    CalendarState calendar;
    DayTable dayTable;
    // The day the list shows, each event on its own clock (for the event instants).
    DatedRow shownDay;
    // The tray, the start at login and the window's place.
    CompanionSettings companion;
    MainWindowState window;
};

// The one instance the program runs on. Tests make their own AppRecords instead.
AppRecords& ProcessRecords();

}  // namespace orvanta
