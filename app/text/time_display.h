// A prayer time as the window shows it, in the window's language and the chosen clock.
#pragma once

#include <QLocale>
#include <QString>

#include "settings/display_settings.h"

namespace orvanta {

// The text of a slot value in hours (as FormatPrayerTime takes it: rounded to the minute and
// wrapped into the day; no event or out of range gives "??? (Can't determine)" translated).
//  - English (no language): the language's clock is today's "%3d:%02d AM" text ("  5:15 AM");
//    12-hour is the same; 24-hour is "HH:mm" ("17:25").
//  - Another language: its locale's short time format and digits, or the translation's
//    12-hour or 24-hour form with the locale's digits and AM/PM texts.
// While the program lays out right to left, a time is a left-to-right isolate (U+2066 ..
// U+2069) without padding, so that it reads "5:25 AM", never "AM 5:25".
QString DisplayTime(double hours, ClockStyle clock);

// The same for an explicit language (nothing: English) and direction.
QString DisplayTime(double hours, ClockStyle clock, const std::optional<QLocale>& language,
                    Qt::LayoutDirection direction);

// The same with the clock style in use (UseClockStyle), for every place that shows a time: the
// list, the tray, the reminders, the timetable.
QString DisplayTime(double hours);

// The clock style the settings chose; the language's clock until the first call.
void UseClockStyle(ClockStyle clock);

// The text without the isolate marks and the padding: what a screen reader should say.
QString SpokenTime(const QString& shown);

}  // namespace orvanta
