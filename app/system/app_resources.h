// The compiled-in resources of the window: the icon.
#pragma once

#include <QIcon>

class QWidget;

namespace orvanta {

// Registers the compiled-in resources. The resources live in a static library, whose object
// file the linker would otherwise drop; call once before the first use (repeat calls are
// harmless).
void InitAppResources();

// Icon 101, drawn from its SVG (needs Qt's SVG plugins at run time). Null when the SVG cannot
// be drawn.
QIcon AppIcon();

// Makes AppIcon() the application's icon (every window's) once window has painted for the first
// time: drawing the SVG loads Qt's SVG support and its plugins, about 10 ms that the person would
// otherwise wait for the first sight of the times. A window that starts hidden gets it when first
// shown.
void UseAppIconAfterFirstPaint(QWidget& window);

}  // namespace orvanta
