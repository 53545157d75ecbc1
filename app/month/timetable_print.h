// The printed page of a timetable month: the city, the month, the method and one table.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "timetable/timetable.h"

class QPageSize;
class QPagedPaintDevice;

namespace orvanta {

struct PrintedMonth {
    QString city;
    QString month;   // "February 2026"
    QString method;  // MethodInWords
    QString qibla;   // QiblaDisplay
    std::vector<DatedRow> days;
};

// The page as HTML: a heading with the city and the month, the method and the Qibla, then a
// table with the columns of the window's timetable, every text escaped.
QString MonthPageHtml(const PrintedMonth& month);

// Paints the page on the device's paper (any size it is set to), the text made smaller until
// the month fits one page (at least 6 points). False when it still takes more than one page.
[[nodiscard]] bool PaintMonth(QPagedPaintDevice& device, const PrintedMonth& month);

// The page as a PDF document in memory (paper, margins of 15 mm, title), so that nothing reaches
// a file before the whole document exists; nothing when the month does not fit one page.
std::optional<QByteArray> MonthPdf(const PrintedMonth& month, const QPageSize& paper,
                                   const QString& title);

}  // namespace orvanta
