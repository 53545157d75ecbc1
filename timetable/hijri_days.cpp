#include "timetable/hijri_days.h"

#include "timetable/civil_time.h"

namespace orvanta {
namespace {

// True when the days follow each other one by one, as ComputeDateRange gives them.
bool Consecutive(const std::vector<DatedRow>& days) {
    for (std::size_t i = 1; i < days.size(); ++i) {
        if (DaysFromCivil(days[i].date) != DaysFromCivil(days[i - 1].date) + 1) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool AddHijriDates(std::vector<DatedRow>& days, int offsetDays) {
    if (days.empty()) {
        return offsetDays >= kMinHijriOffsetDays && offsetDays <= kMaxHijriOffsetDays;
    }
    std::vector<std::optional<HijriDate>> dates;
    if (Consecutive(days)) {
        auto range = HijriDatesFrom(days.front().date, static_cast<int>(days.size()), offsetDays);
        if (!range) {
            return false;
        }
        dates = std::move(*range);
    } else {
        for (const DatedRow& day : days) {
            const auto date = HijriDatesFrom(day.date, 1, offsetDays);
            if (!date) {
                return false;
            }
            dates.push_back(date->front());
        }
    }
    for (std::size_t i = 0; i < days.size(); ++i) {
        days[i].hijri = dates[i];
    }
    return true;
}

}  // namespace orvanta
