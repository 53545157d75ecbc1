#include "settings/method_settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "astro/method_presets.h"
#include "settings/registry_text.h"
#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

std::string Decimal(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

// Reads one value with its parser; an unreadable one is named in `unreadable`.
template <typename T, typename Parse>
std::optional<T> ReadOne(const RegistryDocument& document, std::string_view name, Parse parse,
                         std::vector<std::string>& unreadable) {
    const RegistryData* data = FindRegistryValue(document, kSettingsKeyPath, name);
    if (data == nullptr) {
        return std::nullopt;
    }
    const std::optional<std::string> text = RegistryStringText(*data);
    std::optional<T> value = text ? parse(*text) : std::nullopt;
    if (!value) {
        unreadable.emplace_back(name);
    }
    return value;
}

void RemoveValue(RegistryDocument& document, std::string_view name) {
    for (RegistrySection& section : document.sections) {
        if (!SameName(section.path, kSettingsKeyPath)) {
            continue;
        }
        std::erase_if(section.entries, [name](const RegistryEntry& entry) {
            return entry.kind != RegistryEntry::Kind::kOther && SameName(entry.name, name);
        });
    }
}

}  // namespace

MethodSettings LoadMethodSettings(const SettingsFile& file) {
    MethodSettings loaded;
    const SettingsFile::Contents contents = file.Read();
    if (contents.status != SettingsFile::ReadStatus::kRead) {
        return loaded;
    }
    const std::optional<RegistryDocument> document = ParseRegistryText(contents.bytes);
    if (!document || !HasRegistryKey(*document, kSettingsKeyPath)) {
        return loaded;
    }
    MethodChoice& c = loaded.choice;
    std::vector<std::string>& bad = loaded.unreadable;
    const auto presetId = [](const std::string& text) -> std::optional<std::string> {
        if (text == kClassicMethodId || FindMethodPreset(text) != nullptr) {
            return text;
        }
        return std::nullopt;
    };
    c.presetId = ReadOne<std::string>(*document, kMethodIdValueName, presetId, bad)
                     .value_or(std::string(kClassicMethodId));
    c.fajrAngleDeg = ReadOne<double>(*document, kFajrAngleValueName, ParseTwilightAngle, bad);
    c.ishaAngleDeg = ReadOne<double>(*document, kIshaAngleValueName, ParseTwilightAngle, bad);
    c.ishaIntervalMinutes =
        ReadOne<double>(*document, kIshaIntervalValueName, ParseIshaInterval, bad);
    c.maghribAngleDeg = ReadOne<double>(*document, kMaghribAngleValueName, ParseMaghribAngle, bad);
    const auto adjustments = [](const std::string& text) { return ParseAdjustments(text); };
    c.adjustments = ReadOne<MinuteOffsets>(*document, kAdjustmentsValueName, adjustments, bad)
                        .value_or(MinuteOffsets{});
    c.highLatitude =
        ReadOne<HighLatitudeRule>(*document, kHighLatitudeValueName, ParseHighLatitudeRule, bad);
    c.rounding = ReadOne<RoundingRule>(*document, kRoundingValueName, ParseRoundingRule, bad);
    return loaded;
}

bool StoreMethodValues(RegistryDocument& document, const MethodChoice& choice,
                       const std::vector<std::string>& leaveAlone) {
    const auto keep = [&leaveAlone](std::string_view name) {
        return std::any_of(leaveAlone.begin(), leaveAlone.end(),
                           [name](const std::string& n) { return SameName(n, name); });
    };
    // Sets a value, unless the file already holds exactly that (its text then stays as written).
    const auto set = [&document](std::string_view name, const std::string& text) {
        RegistryData data = RegistryStringData(text);
        const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, name);
        return (stored != nullptr && *stored == data) ||
               SetRegistryValue(document, kSettingsKeyPath, name, std::move(data));
    };
    // Sets the value when the choice has one, else removes it unless it is to be left alone.
    const auto put = [&](std::string_view name, const std::optional<std::string>& text) {
        if (text) {
            return set(name, *text);
        }
        if (!keep(name)) {
            RemoveValue(document, name);
        }
        return true;
    };
    const auto decimal = [](const std::optional<double>& v) {
        return v ? std::optional<std::string>(Decimal(*v)) : std::nullopt;
    };
    const bool hasMethodValue =
        FindRegistryValue(document, kSettingsKeyPath, kMethodIdValueName) != nullptr;
    const bool writeMethod = !IsClassic(choice) || (hasMethodValue && !keep(kMethodIdValueName));
    bool ok = !writeMethod || set(kMethodIdValueName, choice.presetId);
    ok = ok && put(kFajrAngleValueName, decimal(choice.fajrAngleDeg));
    ok = ok && put(kIshaAngleValueName, decimal(choice.ishaAngleDeg));
    ok = ok && put(kIshaIntervalValueName, decimal(choice.ishaIntervalMinutes));
    ok = ok && put(kMaghribAngleValueName, decimal(choice.maghribAngleDeg));
    ok = ok && put(kAdjustmentsValueName,
                   choice.adjustments == MinuteOffsets{}
                       ? std::nullopt
                       : std::optional<std::string>(FormatAdjustments(choice.adjustments)));
    ok = ok && put(kHighLatitudeValueName,
                   choice.highLatitude
                       ? std::optional<std::string>(HighLatitudeRuleName(*choice.highLatitude))
                       : std::nullopt);
    ok = ok && put(kRoundingValueName,
                   choice.rounding ? std::optional<std::string>(RoundingRuleName(*choice.rounding))
                                   : std::nullopt);
    return ok;
}

std::string UnreadableMethodValuesWarning(const std::vector<std::string>& unreadable) {
    if (unreadable.empty()) {
        return {};
    }
    std::string text = "ignored the method settings that cannot be read (";
    for (std::size_t i = 0; i < unreadable.size(); ++i) {
        if (i != 0) {
            text += ", ";
        }
        text += unreadable[i];
    }
    return text + "); they stay in the settings file as they are";
}

}  // namespace orvanta
