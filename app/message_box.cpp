#include "app/message_box.h"

#include <QMessageBox>
#include <QString>

namespace orvanta {

void ShowMessageBox(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon,
                    QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace orvanta
