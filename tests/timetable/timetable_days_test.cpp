// A timetable's days: each event dated by its place in the day. (The clock of each event and the
// standard offset of each year are checked through the command line's JSON.)
#include <gtest/gtest.h>

#include "timetable/event_dates.h"

namespace orvanta {
namespace {

TEST(EventMinutes, EachEventIsDatedByItsPlaceInTheDay) {
    // Hand computation: a value's clock minute, moved by whole days to lie at or before Zuhr
    // (Fajr, Shuruq) or after it (Asr, Maghrib, Isha).
    const struct {
        const char* label;
        DayRow row;
        std::array<std::int64_t, kPrayerCount> minutes;
    } rows[] = {
        {"Kiritimati, 14 h ahead of its longitude: Fajr 29.3 h is 05:18 of the day",
         {29.3028049f, 30.548996f, 12.5585032f, 15.9709682f, 18.5679646f, 19.8126488f},
         {318, 393, 754, 958, 1114, 1189}},
        {"Dublin in May: Isha stored as 1.09 h falls after midnight",
         {1.87676311f, 5.47866249f, 13.3563519f, 17.5865631f, 21.2522793f, 1.08740079f},
         {113, 329, 801, 1055, 1275, 1440 + 65}},
        {"Fajr before midnight stays on the day before",
         {-0.5f, 4.0f, 12.0f, 15.0f, 20.0f, 24.5f},
         {-30, 240, 720, 900, 1200, 1470}},
    };
    for (const auto& row : rows) {
        const auto minutes = EventMinutes(row.row);
        for (int s = 0; s < kPrayerCount; ++s) {
            ASSERT_TRUE(minutes[s]) << row.label;
            EXPECT_EQ(*minutes[s], row.minutes[s]) << row.label << " slot " << s;
        }
    }
}

}  // namespace
}  // namespace orvanta
