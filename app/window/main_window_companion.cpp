// The main window's companion part: the next prayer in the list, the status line and the
// tray's tooltip; the tray icon and "Start at login"; the window's place.
#include <algorithm>

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTreeWidget>

#include "app/day/daily_command.h"
#include "app/day/day_watch.h"
#include "app/day/next_prayer.h"
#include "app/reminders/reminders.h"
#include "app/system/autostart_entry.h"
#include "app/text/display_text.h"
#include "app/widgets/accessible_content.h"
#include "app/window/companion_tray.h"
#include "app/window/main_window.h"
#include "app/window/window_placement.h"
#include "resources/string_table.h"
#include "timetable/civil_time.h"

namespace orvanta {

WatchedDay MainWindow::DayToWatch() const {
    WatchedDay day;
    day.today = EventsOfDay(records_.shownDay);
    day.nextMidnightUtc = NextMidnightUtc(records_.shownDay);
    day.city = records_.city.name;
    // The day after, computed as today is (the same zone rules), for the next prayer after Isha.
    const CivilDate tomorrow = CivilFromDays(DaysFromCivil(records_.shownDay.date) + 1);
    if (IsValidCivilDate(tomorrow)) {
        const PrintedDays printed = PrintedDaysOf(services_, records_.city, tomorrow, tomorrow);
        if (const std::optional<DatedRow> row =
                ComputeOneDay(tomorrow, records_.city, records_.settings, records_.method.choice,
                              services_.zones, &printed)) {
            day.tomorrow = EventsOfDay(*row);
        }
    }
    return day;
}

void MainWindow::ShowNextPrayer(std::int64_t nowUtc) {
    const std::optional<WatchedDay>& day = watch_->Day();
    const std::optional<NextEvent> next = day ? FindNextEvent(*day, nowUtc) : std::nullopt;
    const QString text = NextEventText(next, nowUtc);
    if (nextPrayer_ != nullptr) {
        nextPrayer_->setText(text);
        // Read and announced as its content: once a minute, when the shown text changes.
        SetAccessibleContent(*nextPrayer_, text);
    }
    if (tray_ != nullptr) {
        // The status line of an event tomorrow already gives its clock time.
        const QString at = next && next->tomorrow ? QString() : NextEventAtText(next);
        tray_->SetStatus(text, {QString::fromStdString(records_.city.name), at});
    }
    QTreeWidget* list = records_.window.listView;
    if (list == nullptr) {
        return;
    }
    // Bold and selected, so that it shows in any theme and not by colour alone. Tomorrow's
    // Fajr has no row: the list shows today's.
    const int marked = next && !next->tomorrow ? static_cast<int>(next->slot) : -1;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        for (int column = 0; column < 2; ++column) {
            QFont font = item->font(column);
            font.setBold(i == marked);
            item->setFont(column, font);
            // A screen reader hears the mark too.
            item->setData(column, Qt::AccessibleTextRole,
                          SpokenRow(item->text(0), item->text(1), i == marked));
        }
    }
    // The list's description names the marked prayer, so that a new mark is announced too.
    nextMark_ = marked >= 0 ? SpokenRow(list->topLevelItem(marked)->text(0),
                                        list->topLevelItem(marked)->text(1), false)
                            : QString();
    DescribeList();
    list->setCurrentItem(marked >= 0 ? list->topLevelItem(marked) : nullptr);
    if (marked < 0) {
        list->clearSelection();
    }
}

void MainWindow::SetTrayAvailability(std::function<bool()> trayAvailable) {
    trayAvailable_ = std::move(trayAvailable);
}

void MainWindow::ShowAtStart(bool background) {
    background_ = background;
    ApplyTray();
    if (tray_ == nullptr || !background) {
        show();
    }
}

void MainWindow::ApplyTray() {
    const bool wanted =
        (records_.companion.keepInTray || background_) && trayAvailable_ && trayAvailable_();
    if (wanted && tray_ == nullptr) {
        tray_ = new CompanionTray(this);
        connect(tray_, &CompanionTray::toggleWindowRequested, this, &MainWindow::ToggleWindow);
        connect(tray_, &CompanionTray::calculateRequested, this, &MainWindow::Calculate);
        connect(tray_, &CompanionTray::optionsRequested, this, [this] {
            BringToFront();
            OpenOptions();
        });
        connect(tray_, &CompanionTray::stopSoundRequested, reminders_, &Reminders::StopSound);
        connect(tray_, &CompanionTray::quitRequested, this, &MainWindow::Quit);
        connect(reminders_, &Reminders::soundPlayingChanged, tray_,
                &CompanionTray::SetSoundPlaying);
        tray_->SetWindowVisible(isVisible());
        ShowNextPrayer(services_.clock.NowUtcSeconds());
        tray_->Show();
    } else if (!wanted && tray_ != nullptr) {
        delete tray_;
        tray_ = nullptr;
        show();  // without the icon a hidden window could not be reached
    }
}

void MainWindow::ApplyStartAtLogin(const CompanionSettings& before) {
    CompanionSettings& companion = records_.companion;
    if (companion.startAtLogin == before.startAtLogin) {
        return;
    }
    const QString program = QCoreApplication::applicationFilePath();
    const AutostartResult result =
        companion.startAtLogin ? WriteAutostartEntry(program) : RemoveAutostartEntry();
    if (result == AutostartResult::kDone) {
        return;
    }
    // The stored switch follows the entry: back to what it was, an unreadable value included,
    // so that the box shows what happens at the next login.
    companion.startAtLogin = before.startAtLogin;
    const auto& wasUnreadable = before.unreadable;
    if (std::find(wasUnreadable.begin(), wasUnreadable.end(), kStartAtLoginValueName) !=
        wasUnreadable.end()) {
        companion.unreadable.emplace_back(kStartAtLoginValueName);
    }
    static_cast<void>(services_.settings.SaveCompanion(companion));
    if (services_.showMessage) {
        const QString why =
            result == AutostartResult::kUnquotable
                ? tr("The program's path %1 holds a line break or another control character, "
                     "which an autostart entry cannot hold.")
                      .arg(program)
                : tr("Couldn't change the autostart entry %1.").arg(AutostartEntryPath());
        services_.showMessage(
            (why + QLatin1Char(' ') + tr("\"Start at login\" stays as it was.")).toStdString(),
            strings::kTitle);
    }
}

void MainWindow::ToggleWindow() {
    if (isVisible() && !isMinimized()) {
        SavePlacement();
        hide();
    } else {
        BringToFront();
    }
}

void MainWindow::SavePlacement() {
    if (!everShown_ ||
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
        return;
    }
    const WindowPlacement placement = PlacementOf(*this);
    if (records_.companion.placement == placement) {
        return;
    }
    records_.companion.placement = placement;
    // Nothing to tell on failure: the window opens at its default place next time.
    static_cast<void>(services_.settings.SaveCompanion(records_.companion));
}

void MainWindow::Quit() {
    SavePlacement();
    quitting_ = true;
    if (quit_) {
        quit_(0);
    }
}

}  // namespace orvanta
