#include "app/widgets/message_box.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QString>

#include "app/text/display_text.h"

namespace orvanta {
namespace {

// Title bars carry the window's icon and up to three buttons (minimise, maximise, close);
// window managers draw each about two text lines wide.
constexpr int kTitleBarIcons = 4;
constexpr int kTitleBarIconLines = 2;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The width in pixels the title bar needs to show caption whole. The desktop shows the caption
// followed by a dash and the program's name, often in a bold font; Qt's own estimate counts
// the bare caption and a fixed 50 pixels, which leaves "Err...ta".
int TitleBarWidth(const QString& caption, const QFont& font) {
    QString shown = caption;
    const QString program = QGuiApplication::applicationDisplayName();
    if (!program.isEmpty() && !caption.endsWith(program)) {
        shown += QStringLiteral(" \u2014 ") + program;
    }
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(shown) +
           kTitleBarIcons * kTitleBarIconLines * metrics.height();
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(std::string_view text, std::string_view caption,
                                            std::string_view details) {
    // The layers below report in English; the box shows the window's language.
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, MessageText(caption),
                                             MessageText(text), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    if (!details.empty()) {
        box->setDetailedText(FromUtf8(details));
    }
    // The box sets its own fixed size from its layout's minimum width, so the room for the
    // caption goes into the layout, as an empty row below everything else. (Details rebuild
    // the layout: they come first.)
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const int width =
            TitleBarWidth(box->windowTitle(), QApplication::font("QMdiSubWindowTitleBar"));
        const QMargins margins = grid->contentsMargins();
        grid->addItem(new QSpacerItem(width - margins.left() - margins.right(), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

void ShowMessageBox(std::string_view text, std::string_view caption) {
    MakeMessageBox(text, caption)->exec();
}

void ShowMessageBoxWithDetails(std::string_view text, std::string_view caption,
                               std::string_view details) {
    MakeMessageBox(text, caption, details)->exec();
}

}  // namespace orvanta
