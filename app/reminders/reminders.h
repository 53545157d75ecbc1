// The running program's reminders: the scheduler with the real notifier and sound player, and
// one timer armed to the next due reminder.
//
// Entry points: SetChoice (the Reminders page's values), SetDay (after each calculation or
// roll-over of the day), Poll (when the wall clock is checked: after a wake from suspend or a
// jump of the clock), StopSound (the notification's action, a menu item).
#pragma once

#include <QObject>
#include <QTimer>

#include "app/reminders/dbus_notifier.h"
#include "app/reminders/media_sound_player.h"
#include "app/reminders/reminder_scheduler.h"

namespace orvanta {

class Reminders : public QObject {
    Q_OBJECT

  public:
    // clock and notices (may be null) outlive the object.
    Reminders(const Clock& clock, NoticeList* notices, QObject* parent = nullptr);

    void SetChoice(const ReminderChoice& choice);
    void SetDay(const ReminderDay& day);
    // Plays the chosen sound now (the page's Play button).
    void TrySound(const ReminderChoice& choice);

  public slots:
    void Poll();
    void StopSound();

  signals:
    // A notice was added to the list (the notification service or the sound failed).
    void noticeAdded();
    // A reminder sound started (true) or ended (false).
    void soundPlayingChanged(bool playing);

  private:
    void Arm();
    void AddNotice(const QString& text);

    NoticeList* notices_;
    DBusNotifier notifier_;
    MediaSoundPlayer player_;
    ReminderScheduler scheduler_;
    QTimer timer_;
};

}  // namespace orvanta
