// Which reminder is due when: each chosen event of the day at its time and, when asked, a set
// number of minutes before, told through a Notifier (and a SoundPlayer when the sound is on).
//
// The caller gives the day (SetDay, after each calculation or roll-over of the day), polls
// (Poll) when a timer armed to SecondsUntilNextDue() runs out or the clock is checked, and
// passes the person's choice (SetChoice). The same reminder (date, prayer, minutes before)
// never fires twice, also when the day is given again or the clock moves back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include <QString>

#include "app/reminders/reminder_outputs.h"
#include "app/system/services.h"
#include "astro/date_row.h"
#include "settings/reminder_settings.h"
#include "timetable/timetable.h"

namespace orvanta {

// One day's events as the reminders use them.
struct ReminderDay {
    CivilDate date;
    QString city;
    // Seconds since 1970-01-01 00:00 UT of each slot's event; nothing for a slot without a
    // time that day ("??? (Can't determine)").
    std::array<std::optional<std::int64_t>, kPrayerCount> instantsUtc{};
    // Each event's clock time as the list shows it ("3:45 PM").
    std::array<QString, kPrayerCount> timeTexts;
};

// The slot's display name ("Asr (Afternoon)") in the person's language.
QString PrayerNameText(PrayerSlot slot);

// Given the city's name and a day of the timetable, returns the day's events (EventInstants).
ReminderDay ReminderDayOf(const QString& city, const DatedRow& day);

class ReminderScheduler {
  public:
    // A reminder found more than this late (a wake from suspend, a jump of the wall clock) is
    // dropped unseen: a prayer's reminder an hour after it only misleads.
    static constexpr std::int64_t kLatestSeconds = 300;

    // Polls count from now. The notifier's stop action stops the player. clock, notifier and
    // player outlive the scheduler.
    ReminderScheduler(const Clock& clock, Notifier& notifier, SoundPlayer& player);

    void SetChoice(const ReminderChoice& choice);
    void SetDay(const ReminderDay& day);

    // Fires each reminder that fell due after the last poll and at or before now, once.
    void Poll();

    // Seconds from now (at least 0) until the next reminder that has not fired falls due;
    // nothing when none is left on the day.
    std::optional<std::int64_t> SecondsUntilNextDue() const;

  private:
    struct Due {
        std::int64_t atUtc;  // seconds since 1970 UT
        int slot;            // PrayerSlot
        int minutesBefore;   // 0: at the event's time
    };
    // (date as yyyymmdd, slot, minutes before)
    using Key = std::tuple<int, int, int>;

    std::vector<Due> DueReminders() const;
    Key KeyOf(const Due& due) const;
    void Fire(const Due& due);

    const Clock& clock_;
    Notifier& notifier_;
    SoundPlayer& player_;
    ReminderChoice choice_;
    std::optional<ReminderDay> day_;
    std::int64_t lastPollUtc_;
    std::set<Key> fired_;
};

}  // namespace orvanta
