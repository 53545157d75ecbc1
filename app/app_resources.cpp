#include "app/app_resources.h"

#include "resources/command_ids.h"

// Q_INIT_RESOURCE declares a function of the global namespace, so it is used outside orvanta.
static void InitOrvantaQrc() {
    Q_INIT_RESOURCE(orvanta);
}

namespace orvanta {

void InitAppResources() {
    InitOrvantaQrc();
}

QIcon AppIcon() {
    QIcon icon(QString::fromUtf8(resources::kIconPath));
    if (icon.pixmap(32, 32).isNull()) {
        return QIcon();
    }
    return icon;
}

}  // namespace orvanta
