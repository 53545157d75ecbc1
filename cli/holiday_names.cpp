#include "cli/holiday_names.h"

#include <array>

namespace orvanta {

std::string_view HolidayName(HijriHoliday holiday) {
    // In the order of HijriHoliday.
    static constexpr std::array<std::string_view, kHijriHolidayCount> kNames{
        "Islamic New Year", "Ashura",         "Mawlid",      "Isra and Mi'raj", "Mid-Sha'ban",
        "First of Ramadan", "Laylat al-Qadr", "Eid al-Fitr", "Day of Arafah",   "Eid al-Adha",
    };
    const auto index = static_cast<std::size_t>(holiday);
    return index < kNames.size() ? kNames[index] : std::string_view();
}

}  // namespace orvanta
