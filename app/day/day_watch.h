// What keeps the window on the right day while it runs: one timer to the next moment anything
// shown changes (a minute of the countdown, an event, local midnight), and at each wake-up a
// check of the local date and of the wall clock against a clock that never jumps.
//
// Other parts hook in through the signals: dayChanged after each Calculate or roll-over with the
// day's event instants, tick at each wake-up with the time. Both come on the window's thread.
#pragma once

#include <cstdint>
#include <optional>

#include <QObject>
#include <QTimer>

#include "app/day/next_prayer.h"
#include "app/system/services.h"

namespace orvanta {

class DayWatch : public QObject {
    Q_OBJECT

  public:
    // clock outlives the watch. Nothing is watched until the first SetDay.
    explicit DayWatch(const Clock& clock, QObject* parent = nullptr);

    // The window computed day (a Calculate, or the Calculate of a roll-over): remembers it,
    // emits dayChanged, then tick, and sets the timer.
    void SetDay(const WatchedDay& day);
    const std::optional<WatchedDay>& Day() const { return day_; }

    // One wake-up (the timer's; tests call it after moving their clock): emits rollOverDue when
    // the local date is no longer the watched day's (once per new date) or the wall clock
    // jumped, else tick; then sets the timer again.
    void Wake();

    // Wake-ups so far, and the timer's current delay in milliseconds (-1 when stopped).
    std::int64_t WakeUps() const { return wakeUps_; }
    int TimerDelayMs() const { return timer_.isActive() ? timer_.interval() : -1; }

    // A difference between the wall clock's and the steady clock's advance above this is a jump
    // (the wall clock gives whole seconds, so one second of difference is normal).
    static constexpr std::int64_t kJumpToleranceMs = 5000;

  signals:
    // After each Calculate or roll-over: the day's events and those of the day after.
    void dayChanged(const orvanta::WatchedDay& day);
    // At each wake-up while the day holds, with the wall clock in seconds since 1970 UT.
    void tick(std::int64_t nowUtcSeconds);
    // The local date changed or the wall clock jumped: the window should Calculate.
    void rollOverDue();

  private:
    void Arm(std::int64_t nowUtc);
    bool ClockJumped(std::int64_t nowUtc, std::int64_t steadyMs) const;

    const Clock& clock_;
    std::optional<WatchedDay> day_;
    QTimer timer_;
    std::int64_t wakeUps_ = 0;
    std::int64_t lastWallSeconds_ = 0;
    std::int64_t lastSteadyMs_ = 0;
    std::optional<CivilDate> rolledTo_;  // the date the last roll-over was asked for
};

}  // namespace orvanta
