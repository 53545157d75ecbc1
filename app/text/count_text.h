// Counts in words with the language's plural forms ("1 min", Arabic "٣ دقائق" but "١١ دقيقة")
// and its digits. Qt picks the form of a numerus translation by the count; the count itself is
// written with DisplayNumber, so that it has the digits of the rest of the window.
#pragma once

#include <QString>

class QSpinBox;

namespace orvanta {

// "12 min": a number of minutes, as a countdown or a reminder shows it.
QString MinutesText(qint64 minutes);

// "1 h 12 min", "2 h" or "12 min": a countdown's time left (hours from 0; minutes 0 .. 59).
QString HoursAndMinutesText(qint64 hours, qint64 minutes);

// Keeps box's suffix in the plural form of its value (of the value's size, for a negative one):
// source is the suffix's numerus text in context, marked with QT_TRANSLATE_N_NOOP, written in
// the English plural; englishOne, when given, is the English suffix for 1 and -1.
void FollowValueWithSuffix(QSpinBox& box, const char* context, const char* source,
                           const char* englishOne = nullptr);

}  // namespace orvanta
