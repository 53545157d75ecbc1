// The texts of a day row: prayer names and clock times.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/day_table.h"

namespace orvanta {

// Shown for a time that does not exist (or cannot be shown).
inline constexpr std::string_view kCantDetermineText = "??? (Can't determine)";

// The display name of a slot: "Fajr (Dawn)", "Shuruq (Sunrise)", "Zuhr (Noon)",
// "Asr (Afternoon)", "Maghrib (Sunset)", "Isha (Night)".
std::string_view PrayerDisplayName(PrayerSlot slot);

// Given a slot value in hours, returns its 12-hour clock text "%3d:%02d %s" ("  5:15 AM",
// " 12:30 PM"; hour 0 shows as 0). Minutes are rounded to the nearest whole minute, a half
// minute up, before the time is reduced into one day, so 23:59:30 and later shows "  0:00 AM".
// Values from -24 to 48 hours are shown wrapped into the day (-0.5 is " 11:30 PM", 24.5 is
// "  0:30 AM"). Values above 360 (no event), other values outside -24 .. 48, and values that
// are not finite give kCantDetermineText.
std::string FormatPrayerTime(double hours);

// "YYYY-MM-DD" as printf's "%04d-%02d-%02d" writes it, for any calendar's year, month and day
// (a Gregorian or a Hijri date; a year of 10000 or a negative number is written as printf does).
std::string IsoDateText(int year, int month, int day);

// The minute of the day (0 .. 1439) FormatPrayerTime shows for hours, rounded and wrapped the
// same way; nothing where it shows kCantDetermineText.
std::optional<int> PrayerMinuteOfDay(double hours);

}  // namespace orvanta
