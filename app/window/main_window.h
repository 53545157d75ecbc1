// The main window: the location row, the date row and the list of today's prayer times, with
// the Tools menu, whose items carry their keys.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QMainWindow>

#include "app/day/app_records.h"
#include "app/day/daily_command.h"
#include "app/system/services.h"

class QCloseEvent;
class QGridLayout;
class QHideEvent;
class QLabel;
class QShowEvent;
class QDateEdit;
class QLineEdit;
class QTreeWidget;

namespace orvanta {

class Reminders;
class CompanionTray;
class DayWatch;
struct WatchedDay;

// Ends the event loop with an exit code.
using QuitFn = std::function<void(int exitCode)>;

class MainWindow : public QMainWindow, public TimeListView {
    Q_OBJECT

  public:
    // Creates the window in this order: loads the settings (settling the lookup name), the menu
    // bar with the Tools menu, the location row, the date row (set to the clock's date), the
    // list with its two columns; then fills the list once. records and services outlive the
    // window. quit ends the program's event loop.
    MainWindow(AppRecords& records, const Services& services, QuitFn quit,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Brings the window forward, with the modal dialog it shows, if any.
    void BringToFront();

    // The reminders: the day after each Calculate, the Reminders page's values after OK;
    // StopSound for a menu item.
    Reminders& ReminderService() { return *reminders_; }
    // Shows the window, or with background and a tray on this desktop only the tray icon.
    // background keeps the program in the tray for this run as "Keep running in the tray"
    // does. With "Keep running in the tray" the tray icon comes with the window.
    void ShowAtStart(bool background);

    // Tells whether the desktop has a tray (QSystemTrayIcon::isSystemTrayAvailable unless set).
    void SetTrayAvailability(std::function<bool()> trayAvailable);

    // What keeps the day and the next prayer current; its signals are for other parts to hook.
    DayWatch& Watch() const { return *watch_; }
    // The tray icon while there is one.
    CompanionTray* Tray() const { return tray_; }
    // The status line under the list.
    QLabel* NextPrayerLine() const { return nextPrayer_; }

    // TimeListView: the list's rows.
    void DeleteAllRows() override;
    int InsertRow(int position, std::string_view nameText) override;
    bool SetTimeText(int position, std::string_view timeText) override;
    void RepaintWindow() override;

  protected:
    // The window closes (the title bar): with a tray icon it hides; else, or with Ctrl+Q,
    // the program ends with 0.
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Once the window is on screen, the notices of the start-up are shown.
    void showEvent(QShowEvent* event) override;

  private:
    // The Tools menu: Calculate, Options, Timetable, About (Ctrl+A), Exit (Ctrl+Q); each item is
    // a QAction named "tools<Item>" ("toolsOptions") that owns its key.
    void CreateMenuBar();
    void CreateControls();
    void CreateDateRow(QWidget& central, QGridLayout& grid);
    void Calculate();
    void OpenOptions();
    void OpenAbout();
    void OpenTimetable();
    // Shows the Hijri date of the day the list shows (with the offset in force).
    void ShowHijriDate();
    // Shows the Qibla of the city whose times the list shows.
    void ShowQibla();
    void ShowCity(const std::string& name);
    // The list's accessible description: whose times and which day, then the next prayer.
    void DescribeList();
    // The next prayer at nowUtc: its row bold and selected, the status line, the tooltip.
    void ShowNextPrayer(std::int64_t nowUtc);
    WatchedDay DayToWatch() const;
    // Creates or removes the tray icon as the settings and the desktop say.
    void ApplyTray();
    // Writes or removes the autostart entry when "Start at login" changed from before; when
    // that fails, stores the switch as it was and says so.
    void ApplyStartAtLogin(const CompanionSettings& before);
    void ToggleWindow();
    // Keeps the window's place (when it was ever shown) and ends the program with 0.
    void Quit();
    void SavePlacement();
    // Shows the notices not yet shown in one message box (caption: the program's title); only
    // while the window is on screen, so that none comes before the window.
    void ShowPendingNotices();

    AppRecords& records_;
    const Services& services_;
    QuitFn quit_;
    ReminderSettings reminderSettings_;
    Reminders* reminders_;
    DayWatch* watch_;
    QLabel* nextPrayer_ = nullptr;
    QString listSubject_;            // "Prayer times of Mecca on ..."
    QString nextMark_;               // the marked row as spoken, or empty
    QLabel* timesSource_ = nullptr;  // "timetable of CITY" on a printed day
    CompanionTray* tray_ = nullptr;
    std::function<bool()> trayAvailable_;
    bool background_ = false;
    bool quitting_ = false;
    bool everShown_ = false;
};

}  // namespace orvanta
