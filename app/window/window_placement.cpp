#include "app/window/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvanta {

bool PlacementOnAScreen(const WindowPlacement& placement, const QList<QRect>& screens) {
    const QPoint topMiddle(placement.x + placement.width / 2, placement.y);
    for (const QRect& screen : screens) {
        if (screen.contains(topMiddle)) {
            return true;
        }
    }
    return false;
}

WindowPlacement PlacementOf(const QWidget& window) {
    return WindowPlacement{window.x(), window.y(), window.width(), window.height()};
}

bool RestorePlacement(QWidget& window, const WindowPlacement& placement) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
    }
    if (!PlacementOnAScreen(placement, screens)) {
        return false;
    }
    window.resize(placement.width, placement.height);
    window.move(placement.x, placement.y);
    return true;
}

}  // namespace orvanta
