// The Options dialog's "Display" page: how the times are shown (the language's clock, 12-hour
// or 24-hour).
#pragma once

#include <QWidget>

#include "settings/display_settings.h"

class QComboBox;

namespace orvanta {

class DisplayPage : public QWidget {
    Q_OBJECT

  public:
    // Shows clock; nothing changes outside the page.
    explicit DisplayPage(ClockStyle clock, QWidget* parent = nullptr);

    // The clock style as the page shows it.
    ClockStyle Clock() const;

  private:
    QComboBox* clock_;
};

}  // namespace orvanta
