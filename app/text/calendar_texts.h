// The window's texts of the calendar features: the Hijri date with translatable month names,
// the Qibla, and the month and row texts of the timetable.
#pragma once

#include <QString>

#include "astro/qibla.h"
#include "hijri/hijri_date.h"
#include "hijri/hijri_holidays.h"
#include "timetable/timetable.h"

namespace orvanta {

// "26 Jumada II 1448", the month name through the translation context "Hijri".
QString HijriDisplay(const HijriDate& date);

// The name of a day of the Islamic year ("Eid al-Fitr"), through the context "Holiday".
QString HolidayDisplay(HijriHoliday holiday);

// The Hijri date, with the name of the day of the Islamic year it is after the date separator:
// "1 Shawwal 1447 · Eid al-Fitr"; HijriDisplay alone on other days.
QString HijriWithHoliday(const HijriDate& date);

// "Qibla 56.6°" (tenths; 359.96 shows as 0.0), "Qibla: none, this is the Kaaba" or
// "Qibla: every direction".
QString QiblaDisplay(const Qibla& qibla);

// "February 2026", the month name in English through the context "Timetable".
QString MonthTitle(int year, int month);

// A timetable row's cells: the Gregorian date ("Wed 18 Feb"), the Hijri date with its holiday
// (HijriWithHoliday; empty without one), then the six times as the main window's list shows them,
// without leading spaces (a Friday's Zuhr as "Jumu'ah 12:05 PM"), then for a day with its night
// Imsak, midnight and the last third.
QStringList RowTexts(const DatedRow& day);

// The column title of a slot: "Fajr" .. "Isha", then 6 .. 8 "Imsak", "Midnight",
// "Last third", through the context "Timetable".
QString PrayerColumnName(int slot);

// "Date", "Hijri" and the six column titles, then with night the night's three.
QStringList TimetableHeaderTexts(bool night);

// The English month names in order, each through the context "Timetable".
QStringList MonthNames();

}  // namespace orvanta
