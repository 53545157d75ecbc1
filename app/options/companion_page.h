// The Options dialog's "Companion" page: keep running in the tray, start at login.
#pragma once

#include <QWidget>

#include "settings/companion_settings.h"

class QCheckBox;
class QLabel;

namespace orvanta {

class CompanionPage : public QWidget {
    Q_OBJECT

  public:
    // Shows the settings; trayAvailable false adds a note that this desktop has no tray.
    CompanionPage(const CompanionSettings& settings, bool trayAvailable, QWidget* parent = nullptr);

    bool KeepInTray() const;
    bool StartAtLogin() const;

  private:
    QCheckBox* keepInTray_;
    QCheckBox* startAtLogin_;
    QLabel* noTray_;
};

}  // namespace orvanta
