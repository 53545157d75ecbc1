#include "app/options/companion_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvanta {

CompanionPage::CompanionPage(const CompanionSettings& settings, bool trayAvailable, QWidget* parent)
    : QWidget(parent),
      keepInTray_(new QCheckBox(tr("&Keep running in the tray"), this)),
      startAtLogin_(new QCheckBox(tr("&Start at login, in the tray"), this)),
      noTray_(
          new QLabel(tr("This desktop has no tray: closing the window ends the program."), this)) {
    keepInTray_->setObjectName(QStringLiteral("keepInTray"));
    keepInTray_->setAccessibleName(tr("Keep running in the tray"));
    keepInTray_->setToolTip(
        tr("Closing the window hides it; the tray icon shows the next prayer."));
    keepInTray_->setChecked(settings.keepInTray);
    startAtLogin_->setObjectName(QStringLiteral("startAtLogin"));
    startAtLogin_->setAccessibleName(tr("Start at login"));
    startAtLogin_->setChecked(settings.startAtLogin);
    noTray_->setObjectName(QStringLiteral("noTrayNote"));
    noTray_->setAccessibleName(tr("No tray on this desktop"));
    noTray_->setWordWrap(true);
    noTray_->setVisible(!trayAvailable);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keepInTray_);
    layout->addWidget(noTray_);
    layout->addWidget(startAtLogin_);
    layout->addStretch();
}

bool CompanionPage::KeepInTray() const {
    return keepInTray_->isChecked();
}

bool CompanionPage::StartAtLogin() const {
    return startAtLogin_->isChecked();
}

}  // namespace orvanta
