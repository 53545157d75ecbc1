#include "app/day/next_prayer.h"

#include <QCoreApplication>

#include <cmath>

#include "app/text/count_text.h"
#include "app/text/display_text.h"
#include "app/text/time_display.h"
#include "astro/time_text.h"
#include "timetable/civil_time.h"
#include "timetable/event_instants.h"

namespace orvanta {
namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerDay = 86400;

// Whole minutes left, rounded up: 1 .. for any positive number of seconds.
std::int64_t MinutesLeft(std::int64_t seconds) {
    return (seconds + kSecondsPerMinute - 1) / kSecondsPerMinute;
}

}  // namespace

DayEvents EventsOfDay(const DatedRow& day) {
    DayEvents events;
    events.date = day.date;
    events.instants = EventInstants(day);
    for (std::size_t s = 0; s < events.timeTexts.size(); ++s) {
        events.timeTexts[s] = DisplayTime(static_cast<double>(day.row[s])).toStdString();
    }
    return events;
}

std::int64_t NextMidnightUtc(const DatedRow& day) {
    const auto offset = static_cast<std::int64_t>(std::lround(day.utcOffsetHours * 3600.0));
    return (DaysFromCivil(day.date) + 1) * kSecondsPerDay - offset;
}

std::optional<NextEvent> FindNextEvent(const WatchedDay& day, std::int64_t nowUtc) {
    for (const DayEvents* events : {&day.today, &day.tomorrow}) {
        std::optional<NextEvent> best;
        for (int s = 0; s < kPrayerCount; ++s) {
            const std::optional<std::int64_t>& at = events->instants[static_cast<std::size_t>(s)];
            if (at && *at > nowUtc && (!best || *at < best->instantUtc)) {
                best = NextEvent{static_cast<PrayerSlot>(s), *at,
                                 events->timeTexts[static_cast<std::size_t>(s)],
                                 events == &day.tomorrow};
            }
        }
        if (best) {
            return best;
        }
    }
    return std::nullopt;
}

QString PrayerShortName(PrayerSlot slot) {
    static constexpr std::array<const char*, kPrayerCount> kNames = {
        QT_TRANSLATE_NOOP("NextPrayer", "Fajr"),    QT_TRANSLATE_NOOP("NextPrayer", "Shuruq"),
        QT_TRANSLATE_NOOP("NextPrayer", "Zuhr"),    QT_TRANSLATE_NOOP("NextPrayer", "Asr"),
        QT_TRANSLATE_NOOP("NextPrayer", "Maghrib"), QT_TRANSLATE_NOOP("NextPrayer", "Isha")};
    return QCoreApplication::translate("NextPrayer", kNames[static_cast<std::size_t>(slot)]);
}

QString NextEventAtText(const std::optional<NextEvent>& next) {
    if (!next) {
        return {};
    }
    const QString time = QString::fromStdString(next->timeText).trimmed();
    if (next->tomorrow) {
        //: The next prayer is on the day after the list's day: "Fajr tomorrow at 5:27 AM".
        return QCoreApplication::translate("NextPrayer", "%1 tomorrow at %2")
            .arg(PrayerShortName(next->slot), time);
    }
    return QCoreApplication::translate("NextPrayer", "%1 at %2")
        .arg(PrayerShortName(next->slot), time);
}

QString NextEventText(const std::optional<NextEvent>& next, std::int64_t nowUtc) {
    if (!next) {
        return {};
    }
    const QString name = PrayerShortName(next->slot);
    const std::int64_t left = next->instantUtc - nowUtc;
    if (left < kSecondsPerMinute) {
        return NextEventAtText(next);
    }
    const std::int64_t minutes = MinutesLeft(left);
    const auto hours = static_cast<int>(minutes / 60);
    const auto rest = static_cast<int>(minutes % 60);
    if (next->tomorrow) {
        // After Isha the list shows today's Fajr, so the line gives tomorrow's clock time too.
        //: The next prayer on the day after the list's day, its clock time and the time left:
        //: "Fajr tomorrow at 5:27 AM, in 7 h 12 min".
        return QCoreApplication::translate("NextPrayer", "%1 tomorrow at %2, in %3")
            .arg(name, QString::fromStdString(next->timeText).trimmed(),
                 HoursAndMinutesText(hours, rest));
    }
    //: A prayer and the time left: "Fajr in 1 h 12 min".
    return QCoreApplication::translate("NextPrayer", "%1 in %2")
        .arg(name, HoursAndMinutesText(hours, rest));
}

std::int64_t SecondsToNextChange(const std::optional<NextEvent>& next, std::int64_t nowUtc) {
    if (!next) {
        return kSecondsPerMinute;
    }
    // With more than a minute left the text "in k min" stays while the seconds left lie in
    // (60 (k - 1), 60 k] and changes when they reach 60 (k - 1). At exactly 60 s it reads
    // "in 1 min" and turns into "at 6:40 PM" a second later; below 60 s it changes at the event.
    const std::int64_t left = next->instantUtc - nowUtc;
    if (left <= kSecondsPerMinute) {
        return left == kSecondsPerMinute ? 1 : std::max<std::int64_t>(1, left);
    }
    return left - (MinutesLeft(left) - 1) * kSecondsPerMinute;
}

}  // namespace orvanta
