#include "cli/option_values.h"

#include "astro/number_text.h"
#include "timetable/civil_time.h"

namespace orvanta {

std::optional<double> ParseFiniteNumber(const std::string& text) {
    return ParseNumber<double>(text, NumberSigns::kPlusOrMinus);
}

std::optional<CivilDate> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const std::string_view all = text;
    const std::optional<int> year = ParseNumber<int>(all.substr(0, 4), NumberSigns::kNone);
    const std::optional<int> month = ParseNumber<int>(all.substr(5, 2), NumberSigns::kNone);
    const std::optional<int> day = ParseNumber<int>(all.substr(8, 2), NumberSigns::kNone);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const CivilDate date{static_cast<std::int16_t>(*year), static_cast<std::int16_t>(*month),
                         static_cast<std::int16_t>(*day)};
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
    const std::optional<int> year =
        text.size() <= 4 ? ParseNumber<int>(text, NumberSigns::kNone) : std::nullopt;
    if (!year || *year < 1 || *year > 9999) {
        return std::nullopt;
    }
    const auto y = static_cast<std::int16_t>(*year);
    return std::make_pair(CivilDate{y, 1, 1}, CivilDate{y, 12, 31});
}

}  // namespace orvanta
