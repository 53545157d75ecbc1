// Joins of mixed text in the window's language: the marks that keep numbers, degrees and Latin
// names in their order inside right-to-left text, and the separator between two dates.
#pragma once

#include <QString>

namespace orvanta {

// text as a left-to-right isolate (U+2066 .. U+2069) while the program lays out right to left,
// so that "211.5°" keeps its sign after the number; unchanged otherwise.
QString LeftToRight(const QString& text);

// text as a first-strong isolate (U+2068 .. U+2069) while the program lays out right to left,
// so that a name in another script takes its own direction without reordering what surrounds
// it; unchanged otherwise.
QString Isolated(const QString& text);

// text with a right-to-left mark (U+200F) at the start of each line while the program lays out
// right to left, so that a line that begins with a Latin name still reads from the right where
// the direction is taken from the text; unchanged otherwise.
QString RightToLeftLines(const QString& text);

// pattern.arg(number) where "%1°" in the pattern becomes one left-to-right piece (number and
// degree sign), so that right-to-left text does not put the sign before the number.
QString ArgDegrees(const QString& pattern, const QString& number);

// What stands between the Gregorian and the Hijri date, with its space: "· " in general, an en
// dash in the languages written in Arabic script, whose zero (٠ ۰) is itself a dot.
QString DateSeparator();

}  // namespace orvanta
