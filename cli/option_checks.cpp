#include "cli/option_checks.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <vector>

#include "cli/option_values.h"
#include "common/visible_text.h"
#include "zones/zone_rules.h"

namespace orvanta {

OptionCheck NumberWithin(double low, double high, const std::string& what) {
    return [low, high, what](const std::string& text) -> std::string {
        const std::optional<double> value = ParseFiniteNumber(text);
        if (!value || *value < low || *value > high) {
            return what + " must be a number from " + CLI::detail::to_string(low) + " to " +
                   CLI::detail::to_string(high) + ", not " + QuotedValue(text);
        }
        return {};
    };
}

OptionCheck OneOf(std::initializer_list<const char*> words, const std::string& what) {
    const std::vector<std::string> accepted(words.begin(), words.end());
    std::string list;
    for (std::size_t i = 0; i < accepted.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == accepted.size() ? " or " : ", ") + accepted[i];
    }
    return [accepted, list, what](const std::string& text) -> std::string {
        if (std::find(accepted.begin(), accepted.end(), text) != accepted.end()) {
            return {};
        }
        return what + " must be " + list + ", not " + QuotedValue(text);
    };
}

std::string DateCheck(const std::string& text) {
    return ParseIsoDate(text) ? std::string()
                              : "date must be an existing date YYYY-MM-DD with a year from 0001 "
                                "to 9999, not " +
                                    QuotedValue(text);
}

std::string MonthCheck(const std::string& text) {
    return ParseIsoMonth(text)
               ? std::string()
               : "month must be YYYY-MM with a year from 0001 to 9999, not " + QuotedValue(text);
}

std::string YearCheck(const std::string& text) {
    return ParseYear(text) ? std::string()
                           : "year must be a whole number from 1 to 9999, not " + QuotedValue(text);
}

std::string ZoneCheck(const std::string& name) {
    return IsKnownZone(name) ? std::string() : "unknown time zone " + QuotedValue(name);
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace orvanta
