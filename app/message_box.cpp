#include "app/message_box.h"

#include <QMessageBox>
#include <QString>

namespace orvanta {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ShowMessageBox(std::string_view text, std::string_view caption) {
    ShowMessageBoxWithDetails(text, caption, {});
}

void ShowMessageBoxWithDetails(std::string_view text, std::string_view caption,
                               std::string_view details) {
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    if (!details.empty()) {
        box.setDetailedText(FromUtf8(details));
    }
    box.exec();
}

}  // namespace orvanta
