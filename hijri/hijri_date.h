// Hijri dates of the Umm al-Qura calendar, from ICU's "islamic-umalqura" calendar: for the
// Hijri years 1300 .. 1600 through the table made from it at build time (hijri_month_table.h),
// for other years from ICU at run time.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "astro/date_row.h"
#include "astro/method_day_table.h"

namespace orvanta {

struct HijriDate {
    int year = 0;   // years of the Hijra (1448 began in June 2026)
    int month = 0;  // 1 .. 12; 9 is Ramadan
    int day = 0;    // 1 .. 30
};

// The days a user may move the calendar by, to follow a local sighting.
inline constexpr int kMinHijriOffsetDays = -2;
inline constexpr int kMaxHijriOffsetDays = 2;
inline constexpr int kRamadanMonth = 9;

// The calendar counts from 1 Muharram 1 AH (19 July 622 in the proleptic Gregorian calendar,
// 16 July in the Julian): a day before it has no Hijri date (ICU would give year 0 or a
// negative year there).
inline constexpr int kFirstHijriYear = 1;

// Given a valid civil date and an offset in days (-2 .. +2, added to the civil date before the
// conversion, so +1 gives the Hijri date of the next civil day), returns its Umm al-Qura Hijri
// date. Returns nothing for an invalid date, an offset out of range, a day (offset included)
// before 1 AH, or when ICU fails.
std::optional<HijriDate> HijriDateOf(const CivilDate& date, int offsetDays = 0);

// Given a valid civil date, a count of days (0 .. 3660) and an offset as above, returns the
// Hijri dates of that many days from the date on, in order; nothing in the place of a day
// before 1 AH. Returns nothing for an invalid date, a count or offset out of range, or when ICU
// fails.
std::optional<std::vector<std::optional<HijriDate>>> HijriDatesFrom(const CivilDate& first,
                                                                    int count, int offsetDays = 0);

// Given a Gregorian year (1 .. 9999) and an offset as above, returns the table of its days
// (day index 0 = 1 January) that fall in Ramadan: 1 on those days, 0 elsewhere (and on the days
// before 1 AH, which have no Hijri month). Returns nothing
// for a year or offset out of range or when ICU fails.
std::optional<RamadanTable> RamadanDaysOf(std::int16_t year, int offsetDays = 0);

}  // namespace orvanta
