// The per-prayer fields that every timetable format shares: the short name and the 24-hour text.
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// The short name of a slot: "Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha".
std::string_view PrayerShortName(int slot);

// Given a slot value in hours, returns the 24-hour clock text "hh:mm" ("05:15", "00:30" for
// 24.5), rounded and wrapped into the day as the 12-hour text is; kCantDetermineText for a
// value the 12-hour text cannot show.
std::string FormatPrayerTime24(double hours);

// The time text of the csv and json outputs: the 12-hour text without its leading spaces
// ("5:26 AM") or, with clock24, the 24-hour text ("05:26"); kCantDetermineText when the time
// does not exist.
std::string TimeField(double hours, bool clock24);

}  // namespace orvanta
