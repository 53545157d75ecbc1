#include "cli/option_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "timetable/civil_time.h"

namespace orvanta {

std::optional<double> ParseFiniteNumber(const std::string& text) {
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    const bool signAfterPlus = begin != text.data() && begin != end && *begin == '-';
    if (begin == end || signAfterPlus || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<CivilDate> ParseIsoDate(const std::string& text) {
    const auto digitsAt = [&text](std::size_t from, std::size_t count) {
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
        }
        return true;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digitsAt(0, 4) ||
        !digitsAt(5, 2) || !digitsAt(8, 2)) {
        return std::nullopt;
    }
    const CivilDate date{static_cast<std::int16_t>(std::stoi(text.substr(0, 4))),
                         static_cast<std::int16_t>(std::stoi(text.substr(5, 2))),
                         static_cast<std::int16_t>(std::stoi(text.substr(8, 2)))};
    if (!IsValidCivilDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<std::pair<CivilDate, CivilDate>> ParseIsoMonth(const std::string& text) {
    if (text.size() != 7 || text[4] != '-') {
        return std::nullopt;
    }
    const std::optional<CivilDate> first = ParseIsoDate(text + "-01");
    if (!first) {
        return std::nullopt;
    }
    CivilDate last = *first;
    for (std::int16_t day = 31; day >= 28; --day) {
        last.day = day;
        if (IsValidCivilDate(last)) {
            break;
        }
    }
    return std::make_pair(*first, last);
}

std::optional<std::pair<CivilDate, CivilDate>> ParseYear(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int year = std::stoi(text);
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    const auto y = static_cast<std::int16_t>(year);
    return std::make_pair(CivilDate{y, 1, 1}, CivilDate{y, 12, 31});
}

}  // namespace orvanta
