// The compiled-in resources of the window: the icon.
#pragma once

#include <QIcon>

namespace orvanta {

// Registers the compiled-in resources. The resources live in a static library, whose object
// file the linker would otherwise drop; call once before the first use (repeat calls are
// harmless).
void InitAppResources();

// Icon 101, drawn from its SVG (needs Qt's SVG plugins at run time). Null when the SVG cannot
// be drawn.
QIcon AppIcon();

}  // namespace orvanta
