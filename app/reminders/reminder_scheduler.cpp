#include "app/reminders/reminder_scheduler.h"

#include <algorithm>

#include <QCoreApplication>

#include "app/text/count_text.h"
#include "app/text/display_text.h"
#include "app/text/time_display.h"
#include "astro/time_text.h"
#include "timetable/civil_time.h"
#include "timetable/event_instants.h"

namespace orvanta {
namespace {

int DateNumber(const CivilDate& date) {
    return date.year * 10000 + date.month * 100 + date.day;
}

}  // namespace

QString PrayerNameText(PrayerSlot slot) {
    return PrayerName(slot);
}

ReminderDay ReminderDayOf(const QString& city, const DatedRow& day) {
    ReminderDay result{
        .date = day.date, .city = city, .instantsUtc = EventInstants(day), .timeTexts = {}};
    for (int s = 0; s < kPrayerCount; ++s) {
        const auto i = static_cast<std::size_t>(s);
        result.timeTexts[i] = DisplayTime(static_cast<double>(day.row[i])).trimmed();
    }
    return result;
}

ReminderScheduler::ReminderScheduler(const Clock& clock, Notifier& notifier, SoundPlayer& player)
    : clock_(clock), notifier_(notifier), player_(player), lastPollUtc_(clock.NowUtcSeconds()) {
    QObject::connect(&notifier_, &Notifier::stopRequested, &player_, &SoundPlayer::Stop);
}

void ReminderScheduler::SetChoice(const ReminderChoice& choice) {
    choice_ = choice;
}

void ReminderScheduler::SetDay(const ReminderDay& day) {
    // Only the reminders of this day and the one before can still come round again.
    const int keep = day_ ? DateNumber(day_->date) : DateNumber(day.date);
    std::erase_if(fired_, [&](const Key& key) {
        return std::get<0>(key) != keep && std::get<0>(key) != DateNumber(day.date);
    });
    day_ = day;
}

std::vector<ReminderScheduler::Due> ReminderScheduler::DueReminders() const {
    std::vector<Due> due;
    if (!day_) {
        return due;
    }
    for (int s = 0; s < kPrayerCount; ++s) {
        const auto i = static_cast<std::size_t>(s);
        const std::optional<std::int64_t>& at = day_->instantsUtc[i];
        if (!choice_.atPrayer[i] || !at) {
            continue;
        }
        due.push_back({*at, s, 0});
        if (choice_.minutesBefore > 0) {
            due.push_back(
                {*at - std::int64_t{60} * choice_.minutesBefore, s, choice_.minutesBefore});
        }
    }
    // Jumu'ah's own reminder: on a Friday, before Zuhr, chosen or not (with the early
    // reminder's minutes it has the same key, and only one of the two fires).
    const auto zuhr = static_cast<std::size_t>(SlotIndex(PrayerSlot::kZuhr));
    const std::optional<std::int64_t>& jumuah = day_->instantsUtc[zuhr];
    if (choice_.jumuahMinutesBefore > 0 && jumuah && IsFridayDate(day_->date)) {
        due.push_back({*jumuah - std::int64_t{60} * choice_.jumuahMinutesBefore,
                       SlotIndex(PrayerSlot::kZuhr), choice_.jumuahMinutesBefore});
    }
    return due;
}

ReminderScheduler::Key ReminderScheduler::KeyOf(const Due& due) const {
    return {DateNumber(day_->date), due.slot, due.minutesBefore};
}

void ReminderScheduler::Poll() {
    const std::int64_t now = clock_.NowUtcSeconds();
    const std::int64_t from = lastPollUtc_;
    lastPollUtc_ = now;
    for (const Due& due : DueReminders()) {
        if (due.atUtc <= from || due.atUtc > now || !fired_.insert(KeyOf(due)).second) {
            continue;
        }
        if (now - due.atUtc <= kLatestSeconds) {
            Fire(due);
        }
    }
}

std::optional<std::int64_t> ReminderScheduler::SecondsUntilNextDue() const {
    const std::int64_t now = clock_.NowUtcSeconds();
    std::optional<std::int64_t> next;
    for (const Due& due : DueReminders()) {
        if (due.atUtc > lastPollUtc_ && !fired_.contains(KeyOf(due))) {
            const std::int64_t wait = std::max<std::int64_t>(0, due.atUtc - now);
            next = next ? std::min(*next, wait) : wait;
        }
    }
    return next;
}

void ReminderScheduler::Fire(const Due& due) {
    const auto i = static_cast<std::size_t>(due.slot);
    const QString name = PrayerNameOn(static_cast<PrayerSlot>(due.slot), day_->date);
    const QString time = day_->timeTexts[i];
    const QString summary =
        due.minutesBefore == 0
            ? QCoreApplication::translate("orvanta::ReminderScheduler", "%1 at %2").arg(name, time)
            : QCoreApplication::translate("orvanta::ReminderScheduler", "%1 in %2, at %3")
                  .arg(name, MinutesText(due.minutesBefore), time);
    notifier_.Show(summary, day_->city, choice_.sound);
    if (choice_.sound) {
        player_.Play(QString::fromStdString(choice_.soundFile), choice_.volumePercent);
    }
}

}  // namespace orvanta
