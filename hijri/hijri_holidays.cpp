#include "hijri/hijri_holidays.h"

#include <array>

#include "astro/civil_days.h"

namespace orvanta {
namespace {

struct HolidayDay {
    HijriHoliday holiday;
    int month;  // 1 .. 12
    int day;    // 1 .. 30
};

constexpr std::array<HolidayDay, kHijriHolidayCount> kHolidayDays{{
    {HijriHoliday::kNewYear, 1, 1},
    {HijriHoliday::kAshura, 1, 10},
    {HijriHoliday::kMawlid, 3, 12},
    {HijriHoliday::kIsraMiraj, 7, 27},
    {HijriHoliday::kMidShaban, 8, 15},
    {HijriHoliday::kRamadan, 9, 1},
    {HijriHoliday::kLaylatAlQadr, 9, 27},
    {HijriHoliday::kEidAlFitr, 10, 1},
    {HijriHoliday::kArafah, 12, 9},
    {HijriHoliday::kEidAlAdha, 12, 10},
}};

constexpr std::array<std::string_view, kHijriHolidayCount> kIds{
    "new-year", "ashura",         "mawlid",      "isra-miraj", "mid-shaban",
    "ramadan",  "laylat-al-qadr", "eid-al-fitr", "arafah",     "eid-al-adha",
};

}  // namespace

std::optional<HijriHoliday> HolidayOf(const HijriDate& date) {
    for (const HolidayDay& entry : kHolidayDays) {
        if (entry.month == date.month && entry.day == date.day) {
            return entry.holiday;
        }
    }
    return std::nullopt;
}

std::string_view HolidayId(HijriHoliday holiday) {
    const auto index = static_cast<std::size_t>(holiday);
    return index < kIds.size() ? kIds[index] : std::string_view();
}

std::optional<std::vector<HolidayDate>> HolidaysInYear(std::int16_t year, int offsetDays) {
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    const CivilDate first{year, 1, 1};
    const std::int64_t firstDay = civil::DaysFromCivil(year, 1, 1);
    const auto count = static_cast<int>(civil::DaysFromCivil(year + 1, 1, 1) - firstDay);
    const auto dates = HijriDatesFrom(first, count, offsetDays);
    if (!dates) {
        return std::nullopt;
    }
    std::vector<HolidayDate> holidays;
    for (int i = 0; i < count; ++i) {
        const std::optional<HijriDate>& hijri = (*dates)[static_cast<std::size_t>(i)];
        if (!hijri) {
            continue;  // before 1 AH
        }
        if (const std::optional<HijriHoliday> holiday = HolidayOf(*hijri)) {
            const civil::YearMonthDay civilDate = civil::CivilFromDays(firstDay + i);
            holidays.push_back({CivilDate{static_cast<std::int16_t>(civilDate.year),
                                          static_cast<std::int16_t>(civilDate.month),
                                          static_cast<std::int16_t>(civilDate.day)},
                                *holiday, *hijri});
        }
    }
    return holidays;
}

}  // namespace orvanta
