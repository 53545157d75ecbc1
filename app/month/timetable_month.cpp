#include "app/month/timetable_month.h"

#include <QDate>

#include "timetable/hijri_days.h"

namespace orvanta {

std::optional<std::vector<DatedRow>> ComputeMonth(const MonthRequest& request) {
    const QDate first(request.year, request.month, 1);
    if (!first.isValid() || request.year < 1 || request.year > 9999) {
        return std::nullopt;
    }
    const auto civil = [](int year, int month, int day) {
        return CivilDate{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                         static_cast<std::int16_t>(day)};
    };
    std::optional<std::vector<DatedRow>> days =
        ComputeDateRange(civil(request.year, request.month, 1),
                         civil(request.year, request.month, first.daysInMonth()), request.city,
                         request.settings, request.choice, ZoneYears::kAsGiven, request.nightTimes);
    if (!days || !AddHijriDates(*days, request.hijriOffsetDays)) {
        return std::nullopt;
    }
    return days;
}

}  // namespace orvanta
