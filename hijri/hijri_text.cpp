#include "hijri/hijri_text.h"

#include <array>
#include <cstdio>

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
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return text.data();
}

}  // namespace orvanta
