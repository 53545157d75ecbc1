// The main window's size and place, kept between runs.
#pragma once

#include <QList>
#include <QRect>

#include "settings/companion_settings.h"

class QWidget;

namespace orvanta {

// True when the middle of the placement's top edge lies on one of the screens (logical
// pixels): the title bar can then be reached to move the window.
bool PlacementOnAScreen(const WindowPlacement& placement, const QList<QRect>& screens);

// The window's frame position and size.
WindowPlacement PlacementOf(const QWidget& window);

// Moves and sizes window to placement when it is on a screen that exists now; false (the
// window stays as it is) otherwise.
bool RestorePlacement(QWidget& window, const WindowPlacement& placement);

}  // namespace orvanta
