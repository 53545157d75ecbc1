// The night's times in every format: Tehran's published shar'i midnight of 30 August 2022
// (00:21, on the next date; the last third follows from the same night), London's night across
// the clock change of 29 March 2026 (midnight 00:05 GMT, last third 02:58 BST: sunset 18:27 GMT,
// sunrise 06:43 BST), Tromsø without Fajr or sunset, and the options' limits. Friday
// 20 March 2026 names Zuhr Jumu'ah in the text; json keeps the key "zuhr" and adds "jumuah".
#include <gtest/gtest.h>

#include "command_table.h"

namespace orvanta {
namespace {

const char* const kRows = R"(
0 @tehran --date 2022-08-30 --extras | Imsak               4:57 AM | Midnight            0:21 AM (2022-08-31) | Last third          1:57 AM (2022-08-31)
0 @tehran --date 2022-08-30 --format csv --extras | 2022-08-30,Imsak,4.9* | 2022-08-30,Midnight,24.35*,0:21 AM,1444-02-03
0 @tehran --date 2022-08-30 --format json | "midnight": "2022-08-31T00:21:00+04:30"
0 @tehran --date 2022-08-30 --format ics --extras | DTSTART;TZID=Asia/Tehran:20220831T002100 | SUMMARY:Last third
0 @tehran --from 2022-08-30 --to 2022-08-31 --extras | Imsak*Midnight*Last third | 0:21 AM +1 | +1: after midnight, on the next date
0 --lat 51.5074 --lon -0.1278 --tz Europe/London --preset mwl --date 2026-03-28 --format json | "midnight": "2026-03-29T00:05:00+00:00" | "lastThird": "2026-03-29T02:58:00+01:00"
0 @mecca --date 2026-03-20 --extras --imsak-minutes 15 | Fajr (Dawn)         5:11 AM | Imsak               4:56 AM
0 @mecca --date 2026-03-20 --format json --preset egypt --imsak-minutes 0 | "fajr": "2026-03-20T05:05:00+03:00" | "imsak": "2026-03-20T05:05:00+03:00"
0 @tromso --preset isna --high-latitude none --date 2026-06-20 --extras | Imsak             ??? (Can't determine) | Midnight          ??? (Can't determine)
0 @mecca --date 2026-03-20 | Jumu'ah (Friday)   12:28 PM
0 @mecca --date 2026-03-19 | Zuhr (Noon)        12:29 PM
0 next @mecca --now 2026-03-20T11:00 | Jumu'ah 12:28 PM (in 1 h 28 min)
0 @mecca --date 2026-03-20 --format json | "jumuah": true | "zuhr": "2026-03-20T12:28:00+03:00"
2 @mecca --imsak-minutes 61 | imsak minutes must be a whole number from 0 to 60, not "61"
2 next @mecca --extras | --extras does not go with next
)";

TEST(NightOutput, EveryFormatShowsTheNightOnItsOwnDateAndClock) {
    const std::string tehran = "--lat 35.6892 --lon 51.3890 --tz Asia/Tehran --preset tehran";
    std::string rows = kRows;
    for (std::size_t at = rows.find("@tehran"); at != std::string::npos;
         at = rows.find("@tehran")) {
        rows.replace(at, 7, tehran);
    }
    EXPECT_EQ(testing_support::ExpectCommands(rows.c_str(), testing_support::Pinned({2026, 3, 20})),
              15u);
}

}  // namespace
}  // namespace orvanta
