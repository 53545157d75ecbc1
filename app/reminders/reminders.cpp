#include "app/reminders/reminders.h"

#include <algorithm>

namespace orvanta {
namespace {

// The timer runs on the monotonic clock, which stands still while the machine sleeps: waiting
// at most this long between polls bounds how late a reminder can come after a wake.
constexpr std::int64_t kLongestWaitSeconds = 600;

}  // namespace

Reminders::Reminders(const Clock& clock, NoticeList* notices, QObject* parent)
    : QObject(parent), notices_(notices), scheduler_(clock, notifier_, player_) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Reminders::Poll);
    connect(&notifier_, &Notifier::problem, this, &Reminders::AddNotice);
    connect(&player_, &SoundPlayer::problem, this, &Reminders::AddNotice);
    connect(&player_, &SoundPlayer::playingChanged, this, &Reminders::soundPlayingChanged);
}

void Reminders::SetChoice(const ReminderChoice& choice) {
    scheduler_.SetChoice(choice);
    Arm();
}

void Reminders::SetDay(const ReminderDay& day) {
    scheduler_.SetDay(day);
    Arm();
}

void Reminders::TrySound(const ReminderChoice& choice) {
    player_.Play(QString::fromStdString(choice.soundFile), choice.volumePercent);
}

void Reminders::Poll() {
    scheduler_.Poll();
    Arm();
}

void Reminders::StopSound() {
    player_.Stop();
}

void Reminders::Arm() {
    const std::optional<std::int64_t> wait = scheduler_.SecondsUntilNextDue();
    if (!wait) {
        timer_.stop();
        return;
    }
    timer_.start(static_cast<int>(std::min(*wait, kLongestWaitSeconds) * 1000));
}

void Reminders::AddNotice(const QString& text) {
    qWarning("%s", qUtf8Printable(text));
    if (notices_ != nullptr) {
        notices_->Add({NoticeKind::kWorded, {}, {}, text.toStdString()});
        emit noticeAdded();
    }
}

}  // namespace orvanta
