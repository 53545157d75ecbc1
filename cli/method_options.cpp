#include "cli/method_options.h"

#include <algorithm>
#include <functional>

#include "astro/method_presets.h"

namespace orvanta {
namespace {

// A CLI11 check from a parser: the text is refused with `message` when the parser gives nothing.
template <typename Parse>
std::function<std::string(const std::string&)> Accepting(Parse parse, std::string message) {
    return [parse, message](const std::string& text) -> std::string {
        return parse(text) ? std::string() : message + ", not '" + text + "'";
    };
}

std::optional<std::string> PresetIdOf(std::string_view text) {
    if (text == kClassicMethodId || FindMethodPreset(text) != nullptr) {
        return std::string(text);
    }
    return std::nullopt;
}

template <typename T, typename Parse>
std::optional<T> IfGiven(const std::string& text, Parse parse) {
    return text.empty() ? std::nullopt : parse(text);
}

}  // namespace

void AddMethodOptions(CLI::App& app, MethodOptions& o) {
    const auto add = [&app, &o](const char* name, std::string& text, const char* help,
                                std::function<std::string(const std::string&)> check) {
        CLI::Option* option = app.add_option(name, text, help)->check(std::move(check));
        o.options.push_back(option);
        return option;
    };
    add("--preset", o.preset, "Method of an authority (see 'presets'), or classic",
        Accepting(PresetIdOf,
                  "preset must be classic or an id that 'orvanta-times presets' "
                  "lists"));
    add("--fajr-angle", o.fajrAngle, "Preset's Fajr angle replaced, degrees (0 to 30)",
        Accepting(ParseTwilightAngle, "Fajr angle must be a number above 0 and at most 30"));
    CLI::Option* ishaAngle =
        add("--isha-angle", o.ishaAngle, "Isha by this angle, degrees (0 to 30)",
            Accepting(ParseTwilightAngle, "Isha angle must be a number above 0 and at most 30"));
    CLI::Option* ishaInterval =
        add("--isha-interval", o.ishaInterval, "Isha this many minutes after Maghrib (0 to 300)",
            Accepting(ParseIshaInterval, "Isha interval must be a number above 0 and at most 300"));
    ishaAngle->excludes(ishaInterval);
    add("--maghrib-angle", o.maghribAngle, "Maghrib at this angle, degrees (0 = sunset, to 10)",
        Accepting(ParseMaghribAngle, "Maghrib angle must be a number from 0 to 10"));
    add("--adjust", o.adjust, "Minutes per prayer, PRAYER=MIN[,PRAYER=MIN...] (-60 to 60)",
        Accepting([](const std::string& t) { return ParseAdjustments(t); },
                  "adjust must be PRAYER=MIN[,...] with prayers fajr shuruq zuhr asr maghrib "
                  "isha and whole minutes from -60 to 60"));
    add("--high-latitude", o.highLatitude,
        "Where twilight lasts: none, middle-of-night, seventh-of-night or twilight-angle",
        Accepting(ParseHighLatitudeRule,
                  "high-latitude must be none, middle-of-night, "
                  "seventh-of-night or twilight-angle"));
    add("--rounding", o.rounding, "Times to the nearest minute or up to the next",
        Accepting(ParseRoundingRule, "rounding must be nearest or up"));
    o.presets = app.add_subcommand("presets", "List the methods of the authorities");
}

MethodOverrides MethodOverridesOf(const MethodOptions& o) {
    MethodOverrides m;
    m.presetId = IfGiven<std::string>(o.preset, PresetIdOf);
    m.fajrAngleDeg = IfGiven<double>(o.fajrAngle, ParseTwilightAngle);
    m.ishaAngleDeg = IfGiven<double>(o.ishaAngle, ParseTwilightAngle);
    m.ishaIntervalMinutes = IfGiven<double>(o.ishaInterval, ParseIshaInterval);
    m.maghribAngleDeg = IfGiven<double>(o.maghribAngle, ParseMaghribAngle);
    m.highLatitude = IfGiven<HighLatitudeRule>(o.highLatitude, ParseHighLatitudeRule);
    m.rounding = IfGiven<RoundingRule>(o.rounding, ParseRoundingRule);
    if (!o.adjust.empty()) {
        m.adjustments = o.adjust;
    }
    return m;
}

}  // namespace orvanta
