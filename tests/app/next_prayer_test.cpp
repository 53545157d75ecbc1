// The next prayer and its status line at chosen instants, on a hand-made day whose instants and
// texts are written out here (Asr at 15:00 UT, and so on), so the expected texts are read off a
// clock face.
#include "app/next_prayer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvanta {
namespace {

constexpr std::int64_t kMidnight = 1773964800;  // 2026-03-20 00:00 UT
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kMinute = 60;

// The list's texts of the ordinary day below; only the last minute's status line shows one.
constexpr std::array<const char*, 6> kTexts = {" 5:00 AM", " 6:30 AM", "12:00 PM",
                                               " 3:00 PM", " 6:00 PM", " 7:30 PM"};

DayEvents Day(std::int64_t midnight, const std::array<double, 6>& hours) {
    DayEvents day;
    for (std::size_t s = 0; s < hours.size(); ++s) {
        if (hours[s] >= 0) {
            day.instants[s] = midnight + static_cast<std::int64_t>(hours[s] * kHour);
            day.timeTexts[s] = kTexts[s];
        } else {
            day.timeTexts[s] = "??? (Can't determine)";
        }
    }
    return day;
}

// Fajr 5, Shuruq 6.5, Zuhr 12, Asr 15, Maghrib 18, Isha 19.5 (UT, which the texts show).
WatchedDay Ordinary() {
    return WatchedDay{Day(kMidnight, {5, 6.5, 12, 15, 18, 19.5}),
                      Day(kMidnight + 24 * kHour, {4.9, 6.4, 12, 15, 18.1, 19.6}),
                      kMidnight + 24 * kHour, "Here"};
}

WatchedDay NoFajrNorIsha() {
    WatchedDay day = Ordinary();
    day.today = Day(kMidnight, {-1, 6.5, 12, 15, 18, -1});
    return day;
}

WatchedDay NothingKnown() {
    WatchedDay day = Ordinary();
    day.today = Day(kMidnight, {-1, -1, -1, -1, -1, -1});
    day.tomorrow = day.today;
    return day;
}

TEST(NextPrayer, TheStatusLineNamesTheNextEventAndTheTimeLeft) {
    struct Case {
        const char* name;
        WatchedDay day;
        std::int64_t now;
        std::string text;
        std::optional<PrayerSlot> slot;  // nothing: no next event
        bool tomorrow;
    };
    const Case cases[] = {
        // 13:48:20 on the clock: the face says 13:48, twelve minutes before 15:00 and an hour.
        {"SecondsRoundUp", Ordinary(), kMidnight + 13 * kHour + 48 * kMinute + 20,
         "Asr in 1 h 12 min", PrayerSlot::Asr, false},
        {"AtTheEventTheNextOne", Ordinary(), kMidnight + 15 * kHour, "Maghrib in 3 h",
         PrayerSlot::Maghrib, false},
        {"MissingTimesArePassedOver", NoFajrNorIsha(), kMidnight + 3 * kHour,
         "Shuruq in 3 h 30 min", PrayerSlot::Shuruq, false},
        {"MissingIshaGoesToTomorrow", NoFajrNorIsha(), kMidnight + 18 * kHour + 1,
         "Fajr in 10 h 54 min", PrayerSlot::Fajr, true},
        {"NothingKnown", NothingKnown(), kMidnight, "", std::nullopt, false},
    };
    for (const Case& c : cases) {
        const std::optional<NextEvent> next = FindNextEvent(c.day, c.now);
        EXPECT_EQ(NextEventText(next, c.now).toStdString(), c.text) << c.name;
        EXPECT_EQ(next ? std::optional(std::pair(next->slot, next->tomorrow)) : std::nullopt,
                  c.slot ? std::optional(std::pair(*c.slot, c.tomorrow)) : std::nullopt)
            << c.name;
    }
}

}  // namespace
}  // namespace orvanta
