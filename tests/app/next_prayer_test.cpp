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

struct StatusCase {
    const char* name;
    WatchedDay day;
    std::int64_t now;
    std::string text;
    std::optional<PrayerSlot> slot;  // nothing: no next event
    bool tomorrow;
};

class StatusLine : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusLine, NamesTheNextEventAndTheTimeLeft) {
    const StatusCase& c = GetParam();
    const std::optional<NextEvent> next = FindNextEvent(c.day, c.now);
    EXPECT_EQ(NextEventText(next, c.now).toStdString(), c.text);
    ASSERT_EQ(next.has_value(), c.slot.has_value());
    if (next) {
        EXPECT_EQ(next->slot, *c.slot);
        EXPECT_EQ(next->tomorrow, c.tomorrow);
    }
}

WatchedDay NoIsha() {
    WatchedDay day = Ordinary();
    day.today = Day(kMidnight, {-1, 6.5, 12, 15, 18, -1});  // no Fajr nor Isha that day
    return day;
}

WatchedDay NothingKnown() {
    WatchedDay day = Ordinary();
    day.today = Day(kMidnight, {-1, -1, -1, -1, -1, -1});
    day.tomorrow = day.today;
    return day;
}

INSTANTIATE_TEST_SUITE_P(
    Instants, StatusLine,
    testing::Values(
        // 13:48:20 on the clock: the face says 13:48, twelve minutes before 15:00 and an hour.
        StatusCase{"SecondsRoundUp", Ordinary(), kMidnight + 13 * kHour + 48 * kMinute + 20,
                   "Asr in 1 h 12 min", PrayerSlot::Asr, false},
        StatusCase{"AtTheEventTheNextOne", Ordinary(), kMidnight + 15 * kHour, "Maghrib in 3 h",
                   PrayerSlot::Maghrib, false},
        StatusCase{"MissingTimesArePassedOver", NoIsha(), kMidnight + 3 * kHour,
                   "Shuruq in 3 h 30 min", PrayerSlot::Shuruq, false},
        StatusCase{"MissingIshaGoesToTomorrow", NoIsha(), kMidnight + 18 * kHour + 1,
                   "Fajr in 10 h 54 min", PrayerSlot::Fajr, true},
        StatusCase{"NothingKnown", NothingKnown(), kMidnight, "", std::nullopt, false}),
    [](const testing::TestParamInfo<StatusCase>& row) { return row.param.name; });

}  // namespace
}  // namespace orvanta
