// The tray icon of "Keep running in the tray": its tooltip and the first line of its menu say
// the next prayer and the time left; the menu shows or hides the window, calculates, opens
// Options and quits.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

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
    // The menu's first line (status) and the tooltip: the program's title, then each non-empty
    // line of details (the city, the next prayer's time) and the status.
    void SetStatus(const QString& status, const QStringList& details = {});
    // "Stop sound" can be chosen only while a reminder sound plays.
    void SetSoundPlaying(bool playing);
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
    QAction* stopSound_;
};

}  // namespace orvanta
