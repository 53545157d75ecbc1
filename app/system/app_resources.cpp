#include "app/system/app_resources.h"

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

}  // namespace orvanta
