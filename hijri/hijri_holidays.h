// The days of the Islamic year that people plan around, found from the Hijri date. Only the
// kinds are named here; the front ends give each its words.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "astro/date_row.h"
#include "hijri/hijri_date.h"

namespace orvanta {

// In the order they come in the Hijri year.
enum class HijriHoliday {
    kNewYear,       // 1 Muharram
    kAshura,        // 10 Muharram
    kMawlid,        // 12 Rabi' al-Awwal
    kIsraMiraj,     // 27 Rajab
    kMidShaban,     // 15 Sha'ban
    kRamadan,       // 1 Ramadan
    kLaylatAlQadr,  // 27 Ramadan, the night observed
    kEidAlFitr,     // 1 Shawwal
    kArafah,        // 9 Dhu al-Hijjah
    kEidAlAdha,     // 10 Dhu al-Hijjah
};

inline constexpr int kHijriHolidayCount = 10;

// The holiday a Hijri date is, or nothing.
std::optional<HijriHoliday> HolidayOf(const HijriDate& date);

// A stable identifier for machines (json, iCalendar UIDs): "new-year", "ashura", "mawlid",
// "isra-miraj", "mid-shaban", "ramadan", "laylat-al-qadr", "eid-al-fitr", "arafah",
// "eid-al-adha". ASCII, never translated.
std::string_view HolidayId(HijriHoliday holiday);

// One holiday on a civil date.
struct HolidayDate {
    CivilDate date;
    HijriHoliday holiday = HijriHoliday::kNewYear;
    HijriDate hijri;  // the Hijri date of that civil day, offset included
};

// Given a Gregorian year (1 .. 9999) and a Hijri offset (-2 .. +2, as HijriDateOf takes it),
// returns the holidays whose day falls in that year, in date order: a Gregorian year is about
// eleven days longer than a Hijri one, so a holiday near 1 January can come twice. Nothing for
// a year or offset out of range or when the calendar cannot be computed.
std::optional<std::vector<HolidayDate>> HolidaysInYear(std::int16_t year, int offsetDays);

}  // namespace orvanta
