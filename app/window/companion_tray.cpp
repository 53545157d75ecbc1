#include "app/window/companion_tray.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/system/app_resources.h"
#include "resources/string_table.h"

namespace orvanta {

CompanionTray::CompanionTray(QObject* parent)
    : QObject(parent), menu_(new QMenu), icon_(new QSystemTrayIcon(AppIcon(), this)) {
    menu_->setObjectName(QStringLiteral("trayMenu"));
    status_ = menu_->addAction(QString());
    status_->setObjectName(QStringLiteral("trayStatus"));
    status_->setEnabled(false);  // a line to read, not a command
    status_->setVisible(false);
    menu_->addSeparator();
    toggle_ = menu_->addAction(tr("Hide window"));
    toggle_->setObjectName(QStringLiteral("trayToggle"));
    QAction* calculate = menu_->addAction(tr("Calculate"));
    calculate->setObjectName(QStringLiteral("trayCalculate"));
    QAction* options = menu_->addAction(tr("Options"));
    options->setObjectName(QStringLiteral("trayOptions"));
    stopSound_ = menu_->addAction(tr("Stop sound"));
    stopSound_->setObjectName(QStringLiteral("trayStopSound"));
    stopSound_->setEnabled(false);
    menu_->addSeparator();
    QAction* quit = menu_->addAction(tr("Quit"));
    quit->setObjectName(QStringLiteral("trayQuit"));
    connect(toggle_, &QAction::triggered, this, &CompanionTray::toggleWindowRequested);
    connect(calculate, &QAction::triggered, this, &CompanionTray::calculateRequested);
    connect(options, &QAction::triggered, this, &CompanionTray::optionsRequested);
    connect(stopSound_, &QAction::triggered, this, &CompanionTray::stopSoundRequested);
    connect(quit, &QAction::triggered, this, &CompanionTray::quitRequested);
    icon_->setContextMenu(menu_);
    icon_->setToolTip(QString::fromUtf8(strings::kTitle));
    // A click on the icon shows or hides the window; the menu comes with the other button.
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    emit toggleWindowRequested();
                }
            });
}

CompanionTray::~CompanionTray() {
    icon_->hide();
    delete menu_;  // a context menu is not owned by its icon
}

void CompanionTray::Show() {
    icon_->show();
}

void CompanionTray::SetStatus(const QString& status, const QStringList& details) {
    QStringList tip{QString::fromUtf8(strings::kTitle)};
    for (const QString& line : details + QStringList{status}) {
        if (!line.isEmpty() && !tip.contains(line)) {
            tip.append(line);
        }
    }
    icon_->setToolTip(tip.join(QLatin1Char('\n')));
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
}

void CompanionTray::SetSoundPlaying(bool playing) {
    stopSound_->setEnabled(playing);
}

void CompanionTray::SetWindowVisible(bool visible) {
    toggle_->setText(visible ? tr("Hide window") : tr("Show window"));
}

}  // namespace orvanta
