// The application's style with one difference: the arrow icons of the overflow ("extension")
// buttons of menu bars and tool bars are read from their image files only when first drawn.
// Reading them scans every image-format plugin of the system (each loaded and asked whether it
// reads PNG); a menu bar makes its button at construction, and the button shows only when the
// menu bar is too narrow for its menus, so the scan no longer delays the window's first paint.
#pragma once

#include <QProxyStyle>

namespace orvanta {

class DeferredIconStyle final : public QProxyStyle {
  public:
    // Takes ownership of base, as QProxyStyle does.
    explicit DeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes the application's current style (the desktop's choice) the base of a DeferredIconStyle
// and sets that as the application's style. Call after the QApplication, before any widget.
void DeferOverflowButtonIcons();

}  // namespace orvanta
