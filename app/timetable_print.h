// The printed page of a timetable month: the city, the month, the method and one table.
#pragma once

#include <vector>

#include <QString>

#include "timetable/timetable.h"

class QPrinter;

namespace orvanta {

struct PrintedMonth {
    QString city;
    QString month;   // "February 2026"
    QString method;  // MethodDescription
    QString qibla;   // QiblaDisplay
    std::vector<DatedRow> days;
};

// The page as HTML: a heading with the city and the month, the method and the Qibla, then a
// table with the columns of the window's timetable, every text escaped.
QString MonthPageHtml(const PrintedMonth& month);

// Prints the page on the printer's paper (any size it is set to), the text made smaller until
// the month fits one page (at least 6 points). False when it still takes more than one page or
// the printer could not print.
[[nodiscard]] bool PrintMonth(QPrinter& printer, const PrintedMonth& month);

}  // namespace orvanta
