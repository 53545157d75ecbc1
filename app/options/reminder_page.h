// The Options dialog's "Reminders" page: a reminder per prayer, an early reminder, the sound
// (on or off, the file, the volume) with buttons to try it.
#pragma once

#include <array>

#include <QWidget>

#include "settings/reminder_settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace orvanta {

class ReminderPage : public QWidget {
    Q_OBJECT

  public:
    // Shows the choice; nothing changes outside the page.
    explicit ReminderPage(const ReminderChoice& choice, QWidget* parent = nullptr);

    // The choice as the page shows it.
    ReminderChoice Choice() const;

  signals:
    // The Play and Stop buttons.
    void playRequested(const ReminderChoice& choice);
    void stopRequested();

  private:
    QWidget* CreatePrayerBoxes();
    QWidget* CreateSoundControls();
    void ChooseSoundFile();
    void EnableSoundControls();

    std::array<QCheckBox*, kPrayerCount> atPrayer_{};
    QSpinBox* minutesBefore_ = nullptr;
    QSpinBox* jumuahMinutes_ = nullptr;  // before Zuhr on Fridays; 0: none
    QCheckBox* sound_ = nullptr;
    QWidget* soundControls_ = nullptr;
    QLineEdit* soundFile_ = nullptr;
    QSlider* volume_ = nullptr;
};

}  // namespace orvanta
