// The Hijri date as text, with the month names transliterated in English.
#pragma once

#include <string>
#include <string_view>

#include "hijri/hijri_date.h"

namespace orvanta {

// The English transliteration of a month (1 .. 12): "Muharram" .. "Dhu al-Hijjah"; "" for
// another number.
std::string_view HijriMonthName(int month);

// "26 Jumada II 1448".
std::string HijriDateText(const HijriDate& date);

// "1448-06-26": year, month and day as the ISO civil date writes them, for machines.
std::string HijriIsoText(const HijriDate& date);

}  // namespace orvanta
