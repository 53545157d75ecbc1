#include "app/day/day_watch.h"

#include <algorithm>
#include <cstdlib>

namespace orvanta {
namespace {

bool SameDate(const CivilDate& a, const CivilDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

DayWatch::DayWatch(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, before the minute it is for; a precise one never
    // fires early, and one wake-up a minute costs nothing.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &DayWatch::Wake);
}

void DayWatch::SetDay(const WatchedDay& day) {
    day_ = day;
    rolledTo_.reset();
    const std::int64_t now = clock_.NowUtcSeconds();
    lastWallSeconds_ = now;
    lastSteadyMs_ = clock_.SteadyMilliseconds();
    emit dayChanged(*day_);
    emit tick(now);
    Arm(now);
}

bool DayWatch::ClockJumped(std::int64_t nowUtc, std::int64_t steadyMs) const {
    const std::int64_t wallMs = (nowUtc - lastWallSeconds_) * 1000;
    return std::abs(wallMs - (steadyMs - lastSteadyMs_)) > kJumpToleranceMs;
}

void DayWatch::Wake() {
    ++wakeUps_;
    const std::int64_t now = clock_.NowUtcSeconds();
    const std::int64_t steady = clock_.SteadyMilliseconds();
    const bool jumped = ClockJumped(now, steady);
    lastWallSeconds_ = now;
    lastSteadyMs_ = steady;
    if (!day_) {
        return;
    }
    const std::optional<CivilDate> today = clock_.Today();
    const bool newDate = today && !SameDate(*today, day_->today.date) &&
                         !(rolledTo_ && SameDate(*rolledTo_, *today));
    if (jumped || newDate) {
        // A Calculate that fails (a database gone) is not asked for again until the date
        // changes again or the clock jumps again.
        rolledTo_ = today;
        emit rollOverDue();
    } else {
        emit tick(now);
    }
    Arm(clock_.NowUtcSeconds());
}

void DayWatch::Arm(std::int64_t nowUtc) {
    std::int64_t seconds = 60;
    if (day_) {
        seconds = SecondsToNextChange(FindNextEvent(*day_, nowUtc), nowUtc);
        if (day_->nextMidnightUtc > nowUtc) {
            seconds = std::min(seconds, day_->nextMidnightUtc - nowUtc);
        }
    }
    // The wall clock gives whole seconds and a precise timer never fires early, so waking this
    // many seconds after the reading lands in the second the change is due.
    timer_.start(static_cast<int>(std::clamp<std::int64_t>(seconds, 1, 60) * 1000));
}

}  // namespace orvanta
