#include "common/local_date.h"

#include <ctime>

namespace orvanta {

std::optional<CivilDate> LocalDateToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
        return std::nullopt;
    }
    const int year = local.tm_year + 1900;
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    const CivilDate date{static_cast<std::int16_t>(year),
                         static_cast<std::int16_t>(local.tm_mon + 1),
                         static_cast<std::int16_t>(local.tm_mday)};
    if (!IsValidCivilDate(date)) {
        return std::nullopt;
    }
    return date;
}

}  // namespace orvanta
