#include "hijri/hijri_text.h"

#include <array>
#include <cstdio>

#include "astro/time_text.h"

namespace orvanta {

std::string_view HijriMonthName(int month) {
    static constexpr std::array<std::string_view, 12> kNames = {
        "Muharram", "Safar",   "Rabi I",  "Rabi II", "Jumada I",      "Jumada II",
        "Rajab",    "Sha'ban", "Ramadan", "Shawwal", "Dhu al-Qi'dah", "Dhu al-Hijjah"};
    return month >= 1 && month <= 12 ? kNames[static_cast<std::size_t>(month - 1)]
                                     : std::string_view();
}

std::string HijriDateText(const HijriDate& date) {
    return std::to_string(date.day) + " " + std::string(HijriMonthName(date.month)) + " " +
           std::to_string(date.year);
}

std::string HijriIsoText(const HijriDate& date) {
    return IsoDateText(date.year, date.month, date.day);
}

}  // namespace orvanta
