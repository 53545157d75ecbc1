#include "astro/method_choice.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "astro/day_table.h"
#include "astro/method_presets.h"
#include "astro/number_text.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 6> kRuleNames = {
    "none",           "middle-of-night", "seventh-of-night",
    "twilight-angle", "nearest-day",     "nearest-latitude"};
constexpr std::array<std::string_view, 2> kRoundingNames = {"nearest", "up"};

// A decimal number as the settings file and the command line write it: a '+' allowed.
std::optional<double> Decimal(std::string_view text) {
    return ParseNumber<double>(text, NumberSigns::kPlusOrMinus);
}

std::optional<double> Within(std::optional<double> value, double low, bool lowIncluded,
                             double high) {
    if (!value || *value > high || *value < low || (!lowIncluded && *value == low)) {
        return std::nullopt;
    }
    return value;
}

std::string Number(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%g", value);
    return text.data();
}

}  // namespace

bool IsClassic(const MethodChoice& choice) {
    return choice.presetId == kClassicMethodId;
}

std::optional<PrayerMethod> ResolveMethod(const MethodChoice& choice, double asrShadowFactor) {
    const MethodPreset* preset = FindMethodPreset(choice.presetId);
    if (preset == nullptr) {
        return std::nullopt;
    }
    PrayerMethod m = preset->method;
    if (choice.fajrAngleDeg) {
        m.fajrAngleDeg = *choice.fajrAngleDeg;
    }
    if (choice.ishaAngleDeg) {
        m.ishaRule = IshaRule::kAngle;
        m.ishaAngleDeg = *choice.ishaAngleDeg;
    }
    if (choice.ishaIntervalMinutes) {
        m.ishaRule = IshaRule::kInterval;
        m.ishaIntervalMinutes = *choice.ishaIntervalMinutes;
        m.ramadanIshaIntervalMinutes = 0.0;
    }
    if (choice.maghribAngleDeg) {
        m.maghribAngleDeg = *choice.maghribAngleDeg;
    }
    m.adjustmentMinutes = choice.adjustments;
    m.highLatitude = choice.highLatitude.value_or(m.highLatitude);
    m.nearestLatitudeDeg = choice.nearestLatitudeDeg.value_or(m.nearestLatitudeDeg);
    m.rounding = choice.rounding.value_or(m.rounding);
    m.asrShadowFactor = asrShadowFactor;
    m.imsakMinutes = ImsakMinutesOf(choice);
    return m;
}

std::optional<int> ParseImsakMinutes(std::string_view text) {
    int minutes = -1;
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::from_chars(text.data(), text.data() + text.size(), minutes);
    if (minutes < 0 || minutes > kMaxImsakMinutes) {
        return std::nullopt;
    }
    return minutes;
}

int ImsakMinutesOf(const MethodChoice& choice) {
    if (choice.imsakMinutes) {
        return *choice.imsakMinutes;
    }
    const MethodPreset* preset = FindMethodPreset(choice.presetId);
    return preset != nullptr ? preset->method.imsakMinutes : kDefaultImsakMinutes;
}

std::optional<double> ParseTwilightAngle(std::string_view text) {
    return Within(Decimal(text), kMinTwilightAngleDeg, false, kMaxTwilightAngleDeg);
}

std::optional<double> ParseMaghribAngle(std::string_view text) {
    return Within(Decimal(text), 0.0, true, kMaxMaghribAngleDeg);
}

std::optional<double> ParseIshaInterval(std::string_view text) {
    return Within(Decimal(text), 0.0, false, kMaxIshaIntervalMinutes);
}

std::optional<double> ParseNearestLatitude(std::string_view text) {
    return Within(Decimal(text), 0.0, false, kMaxNearestLatitudeDeg);
}

std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view text) {
    for (std::size_t i = 0; i < kRuleNames.size(); ++i) {
        if (text == kRuleNames[i]) {
            return static_cast<HighLatitudeRule>(i);
        }
    }
    return std::nullopt;
}

std::string_view HighLatitudeRuleName(HighLatitudeRule rule) {
    return kRuleNames.at(static_cast<std::size_t>(rule));
}

std::optional<RoundingRule> ParseRoundingRule(std::string_view text) {
    for (std::size_t i = 0; i < kRoundingNames.size(); ++i) {
        if (text == kRoundingNames[i]) {
            return static_cast<RoundingRule>(i);
        }
    }
    return std::nullopt;
}

std::string_view RoundingRuleName(RoundingRule rule) {
    return kRoundingNames.at(static_cast<std::size_t>(rule));
}

std::optional<MinuteOffsets> ParseAdjustments(std::string_view text, const MinuteOffsets& base) {
    MinuteOffsets minutes = base;
    std::array<bool, kMethodSlotCount> seen{};
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = item.substr(0, equals);
        std::size_t slot = 0;
        while (slot < kPrayerKeys.size() && kPrayerKeys[slot] != key) {
            ++slot;
        }
        const std::optional<double> value = Decimal(item.substr(equals + 1));
        if (slot == kPrayerKeys.size() || seen[slot] || !value || *value != std::trunc(*value) ||
            std::fabs(*value) > kMaxAdjustmentMinutes) {
            return std::nullopt;
        }
        seen[slot] = true;
        minutes[slot] = static_cast<int>(*value);
        if (comma == std::string_view::npos) {
            return minutes;
        }
        text.remove_prefix(comma + 1);
    }
}

std::string FormatAdjustments(const MinuteOffsets& minutes) {
    std::string text;
    for (std::size_t i = 0; i < kPrayerKeys.size(); ++i) {
        if (i != 0) {
            text.push_back(',');
        }
        text.append(kPrayerKeys[i]);
        text.push_back('=');
        text.append(std::to_string(minutes[i]));
    }
    return text;
}

std::string DescribeMethod(const MethodChoice& choice) {
    const MethodPreset* preset = FindMethodPreset(choice.presetId);
    if (IsClassic(choice) || preset == nullptr) {
        return std::string(kClassicMethodId);
    }
    std::string text = std::string(preset->id) + " (" + std::string(preset->authority) +
                       "): " + std::string(preset->summary);
    const auto add = [&text](const char* what, const std::optional<double>& value,
                             const char* unit) {
        if (value) {
            text += std::string("; ") + what + " " + Number(*value) + unit;
        }
    };
    add("Fajr", choice.fajrAngleDeg, "°");
    add("Isha", choice.ishaAngleDeg, "°");
    add("Isha", choice.ishaIntervalMinutes, " min after Maghrib");
    add("Maghrib", choice.maghribAngleDeg, "°");
    if (choice.adjustments != MinuteOffsets{}) {
        text += "; adjustments " + FormatAdjustments(choice.adjustments);
    }
    // The rule in force, the preset's own included, so that every output says which rule
    // stood in for a twilight (or that none did).
    const HighLatitudeRule rule = choice.highLatitude.value_or(preset->method.highLatitude);
    text += "; high latitude " + std::string(HighLatitudeRuleName(rule));
    if (rule == HighLatitudeRule::kNearestLatitude) {
        text += " at " +
                Number(choice.nearestLatitudeDeg.value_or(preset->method.nearestLatitudeDeg)) + "°";
    }
    if (choice.rounding) {
        text += "; rounding " + std::string(RoundingRuleName(*choice.rounding));
    }
    return text;
}

}  // namespace orvanta
