// The tray icon of "Keep running in the tray": its tooltip and the first line of its menu say
// the next prayer and the time left; the menu shows or hides the window, calculates, opens
// Options and quits.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace orvanta {

class CompanionTray : public QObject {
    Q_OBJECT

  public:
    explicit CompanionTray(QObject* parent = nullptr);
    ~CompanionTray() override;

    // Shows the icon in the tray.
    void Show();
    // The tooltip (the program's title and, on a second line, status) and the menu's first line
    // (status).
    void SetStatus(const QString& status);
    // The first menu item reads "Hide window" while the window is visible, else "Show window".
    void SetWindowVisible(bool visible);

    QSystemTrayIcon* Icon() const { return icon_; }
    QMenu* Menu() const { return menu_; }

  signals:
    void toggleWindowRequested();
    void calculateRequested();
    void optionsRequested();
    // The reminder sound playing now should stop.
    void stopSoundRequested();
    void quitRequested();

  private:
    QMenu* menu_;
    QSystemTrayIcon* icon_;
    QAction* status_;
    QAction* toggle_;
};

}  // namespace orvanta
