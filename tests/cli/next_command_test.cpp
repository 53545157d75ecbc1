// orvanta-times next: the next event from a pinned moment, in each format. Mecca's times of
// 20 March 2026 (5:11, 6:25, 12:28, 3:53, 6:32, 7:46) are the worked ones of the times command.
#include <gtest/gtest.h>

#include "command_table.h"

namespace orvanta {
namespace {

// Before Fajr; between prayers; an event's own minute already past; the minutes left rounded
// up; a moment in UT; after Isha, tomorrow's Fajr; London in June, which has no Fajr and no
// Isha (18°), so after Maghrib comes Shuruq; Tromsø in May, only Zuhr and Asr, so the next
// day's Zuhr; Detroit's nights of the clock changes, the real seconds left across them (2:30
// does not exist in spring; 1:30 comes twice in autumn, its offset says which); without --now,
// the clock (2024-06-20 00:00 UT); each format's shape; what does not go with next.
const char* const kRows = R"rows(
0 next @mecca --now 2026-03-20T04:00 | Fajr 5:11 AM (in 1 h 11 min)
0 next @mecca --now 2026-03-20T11:00 | Jumu'ah 12:28 PM (in 1 h 28 min)
0 next @mecca --now 2026-03-20T14:00 | Asr 3:53 PM (in 1 h 53 min)
0 next @mecca --now 2026-03-20T15:53 | Maghrib 6:32 PM (in 2 h 39 min)
0 next @mecca --now 2026-03-20T15:52:01+03:00 | Asr 3:53 PM (in 1 min)
0 next @mecca --now 2026-03-20T20:28Z | Fajr 5:10 AM (in 5 h 42 min)
0 next @mecca --now 2026-03-20T21:00 --short --24h | Fajr 05:10
0 next --lat 51.5 --lon 0 --tz Europe/London --now 2024-06-20T21:30 | Shuruq 4:43 AM (in 7 h 13 min)
0 next @tromso --now 2026-05-20T23:30 | Zuhr 12:41 PM (in 13 h 11 min)
0 next @detroit --now 2024-03-10T01:30 --format json | "time":"2024-03-10T06:18:00-04:00","text":"6:18 AM","secondsLeft":13680
0 next @detroit --now 2024-03-10T02:30 --format json | "secondsLeft":10080
0 next @detroit --now 2024-11-03T01:30-04:00 --format json | "secondsLeft":18180
0 next @detroit --now 2024-11-03T01:30-05:00 --format json | "secondsLeft":14580
0 next @detroit --now 2024-11-02T23:30 --format waybar | "text":"Fajr 5:33 AM (in 7 h 3 min)","tooltip":"2024-11-03 · 1 Jumada I 1446\n▶ Fajr 5:33 AM\n  Shuruq | "class":["fajr"],"percentage":33}
0 next @mecca | Fajr 4:14 AM (in 1 h 14 min)
0 next @mecca --now 2026-03-20T14:00 --format json | {"name":"Asr","key":"asr","time":"2026-03-20T15:53:00+03:00","text":"3:53 PM","secondsLeft":6780,"after":{"name":"Maghrib","key":"maghrib","time":"2026-03-20T18:32:00+03:00","text":"6:32 PM"}}
0 next @mecca --now 2026-03-20T15:45 --format waybar | \n✓ Jumu'ah 12:28 PM\n▶ Asr 3:53 PM\n  Maghrib 6:32 PM | "class":["asr","soon"],"percentage":96}
0 next @mecca --now 2026-03-20T15:30 --format waybar --soon 30 | "class":["asr","soon"],"percentage":
2 next @mecca --date 2026-03-20 | --date does not go with next
2 next @mecca --now 2026-03-20T24:00 | the time must read YYYY-MM-DDThh:mm[:ss][+hh:mm|Z], not "2026-03-20T24:00"
2 next @mecca --now 2026-03-20T12:00+15:00 | the time must read YYYY-MM-DDThh:mm[:ss][+hh:mm|Z], not "2026-03-20T12:00+15:00"
2 next @mecca --format ics | format must be text, json or waybar, not "ics"
)rows";

TEST(NextCommand, TheNextEventFromAPinnedMomentInEachFormat) {
    EXPECT_EQ(testing_support::ExpectCommands(kRows, testing_support::Pinned({2024, 6, 20})), 22u);
}

}  // namespace
}  // namespace orvanta
