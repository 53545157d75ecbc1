#include "app/system/app_resources.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

// Q_INIT_RESOURCE declares a function of the global namespace, so it is used outside orvanta.
static void InitOrvantaQrc() {
    Q_INIT_RESOURCE(orvanta);
}

namespace orvanta {

void InitAppResources() {
    InitOrvantaQrc();
}

QIcon AppIcon() {
    QIcon icon(QStringLiteral(":/icons/orvanta.svg"));  // resources/orvanta.qrc
    if (icon.pixmap(32, 32).isNull()) {
        return QIcon();
    }
    return icon;
}

namespace {

// Watches one window for its first paint, then sets the application icon after that paint and
// removes itself.
class FirstPaintIcon final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: runs after this paint.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(AppIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void UseAppIconAfterFirstPaint(QWidget& window) {
    window.installEventFilter(new FirstPaintIcon(&window));
}

}  // namespace orvanta
