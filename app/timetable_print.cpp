#include "app/timetable_print.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include "app/calendar_texts.h"

namespace orvanta {
namespace {

constexpr int kLargestPoints = 10;
constexpr int kSmallestPoints = 6;

QString Cell(const QString& tag, const QString& text) {
    return QStringLiteral("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
}

QString Header() {
    QString row = Cell(QStringLiteral("th"), QCoreApplication::translate("Timetable", "Date")) +
                  Cell(QStringLiteral("th"), QCoreApplication::translate("Timetable", "Hijri"));
    for (int s = 0; s < kPrayerCount; ++s) {
        row += Cell(QStringLiteral("th"), PrayerColumnName(s));
    }
    return QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
}

}  // namespace

QString MonthPageHtml(const PrintedMonth& month) {
    QString html = QStringLiteral(
                       "<html><body><h2>%1 \u2014 %2</h2><p>%3<br/>%4</p>"
                       "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
                       "style=\"border-collapse: collapse\">")
                       .arg(month.city.toHtmlEscaped(), month.month.toHtmlEscaped(),
                            month.method.toHtmlEscaped(), month.qibla.toHtmlEscaped());
    html += Header();
    for (const DatedRow& day : month.days) {
        QString row;
        for (const QString& text : RowTexts(day)) {
            row += Cell(QStringLiteral("td"), text);
        }
        html += QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

bool PaintMonth(QPagedPaintDevice& device, const PrintedMonth& month) {
    QTextDocument document;
    // Laid out on the device itself, one page of its paper: print() then draws it as laid
    // out, without the page numbers it adds to a document without pages.
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(QSizeF(device.width(), device.height()));
    document.setDocumentMargin(0);
    const QString html = MonthPageHtml(month);
    for (int points = kLargestPoints; points >= kSmallestPoints; --points) {
        QFont font = document.defaultFont();
        font.setPointSize(points);
        document.setDefaultFont(font);
        document.setHtml(html);
        if (document.pageCount() == 1) {
            break;
        }
    }
    if (document.pageCount() != 1) {
        return false;
    }
    document.print(&device);
    return true;
}

bool PrintMonth(QPrinter& printer, const PrintedMonth& month) {
    return PaintMonth(printer, month) && printer.printerState() != QPrinter::Error;
}

std::optional<QByteArray> MonthPdf(const PrintedMonth& month, const QPageSize& paper,
                                   const QString& title) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly)) {
            return std::nullopt;
        }
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);  // dots per inch, as a high-resolution printer
        writer.setPageSize(paper);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(title);
        if (!PaintMonth(writer, month)) {
            return std::nullopt;
        }
    }
    return bytes;
}

}  // namespace orvanta
