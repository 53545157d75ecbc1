#include "cli/option_checks.h"

#include <CLI/CLI.hpp>

#include "cli/option_values.h"
#include "zones/zone_rules.h"

namespace orvanta {

OptionCheck NumberWithin(double low, double high, const std::string& what) {
    return [low, high, what](const std::string& text) -> std::string {
        const std::optional<double> value = ParseFiniteNumber(text);
        if (!value || *value < low || *value > high) {
            return what + " must be a number from " + CLI::detail::to_string(low) + " to " +
                   CLI::detail::to_string(high) + ", not '" + text + "'";
        }
        return {};
    };
}

std::string DateCheck(const std::string& text) {
    return ParseIsoDate(text) ? std::string()
                              : "date must be an existing date YYYY-MM-DD with a year from 0001 "
                                "to 9999, not '" +
                                    text + "'";
}

std::string ZoneCheck(const std::string& name) {
    return IsKnownZone(name) ? std::string() : "unknown time zone '" + name + "'";
}

}  // namespace orvanta
