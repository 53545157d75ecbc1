#include "app/month/timetable_print.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "app/text/bidi_text.h"
#include "app/text/calendar_texts.h"

namespace orvanta {
namespace {

constexpr int kLargestPoints = 10;
constexpr int kSmallestPoints = 6;

QString Cell(const QString& tag, const QString& text) {
    return QStringLiteral("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
}

// The cells of a row in the order they are written: in a right-to-left page the first column
// (the date) stands at the right, as the table itself is laid out from the left.
QString Row(const QString& tag, QStringList texts, bool rightToLeft) {
    if (rightToLeft) {
        std::reverse(texts.begin(), texts.end());
    }
    QString row;
    for (const QString& text : texts) {
        row += Cell(tag, text);
    }
    return QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
}

}  // namespace

QString MonthPageHtml(const PrintedMonth& month) {
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    // Right to left, the blocks and the cells are aligned to the right and read from there;
    // the city (perhaps in Latin letters) and the method are isolated so that they keep
    // their own order inside the line.
    const QString direction = rightToLeft ? QStringLiteral(" dir=\"rtl\"") : QString();
    QString html =
        QStringLiteral(
            "<html><body%5><h2>%1 \u2014 %2</h2><p>%3<br/>%4</p>"
            "<table%5 width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
            "style=\"border-collapse: collapse\">")
            .arg(Isolated(month.city).toHtmlEscaped(), month.month.toHtmlEscaped(),
                 Isolated(month.method).toHtmlEscaped(), month.qibla.toHtmlEscaped(), direction);
    const bool night = !month.days.empty() && month.days.front().night.has_value();
    html += Row(QStringLiteral("th"), TimetableHeaderTexts(night), rightToLeft);
    for (const DatedRow& day : month.days) {
        html += Row(QStringLiteral("td"), RowTexts(day), rightToLeft);
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
