// The Options dialog's "Display" page: how the times are shown (the language's clock, 12-hour
// or 24-hour), whether the night's times show under the six, and the minutes of Imsak.
#pragma once

#include <optional>

#include <QWidget>

#include "settings/display_settings.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace orvanta {

class DisplayPage : public QWidget {
    Q_OBJECT

  public:
    // Shows the display values and the user's Imsak minutes (nothing: the method's own);
    // nothing changes outside the page.
    DisplayPage(const DisplaySettings& display, std::optional<int> imsakMinutes,
                QWidget* parent = nullptr);

    // The values as the page shows them.
    ClockStyle Clock() const;
    bool NightTimes() const;
    std::optional<int> ImsakMinutes() const;

  private:
    QComboBox* clock_;
    QCheckBox* nightTimes_;
    QSpinBox* imsakMinutes_;  // -1 shows "the method's own"
};

}  // namespace orvanta
