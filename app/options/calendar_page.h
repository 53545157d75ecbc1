// The Options dialog's "Calendar" page: the days the Hijri date is moved by, to follow a
// local sighting of the moon.
#pragma once

#include <QWidget>

class QSpinBox;

namespace orvanta {

class CalendarPage : public QWidget {
    Q_OBJECT

  public:
    // Shows the offset (-2 .. +2 days).
    explicit CalendarPage(int offsetDays, QWidget* parent = nullptr);

    // The offset as the page shows it.
    int OffsetDays() const;

  private:
    QSpinBox* offset_;
};

}  // namespace orvanta
