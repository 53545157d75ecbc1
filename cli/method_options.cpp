#include "cli/method_options.h"

#include <functional>
#include <optional>
#include <string>

#include "astro/method_presets.h"
#include "cli/option_checks.h"
#include "common/visible_text.h"

namespace orvanta {
namespace {

// A parser check from a value parser: the text is refused with `rule` when the parser gives
// nothing.
template <typename Parse>
OptionCheck Accepting(Parse parse, std::string rule) {
    return [parse, rule](const std::string& text) -> std::string {
        return parse(text) ? std::string() : rule + ", not " + QuotedValue(text);
    };
}

std::optional<std::string> PresetIdOf(std::string_view text) {
    if (text == kClassicMethodId || FindMethodPreset(text) != nullptr) {
        return std::string(text);
    }
    return std::nullopt;
}

template <typename T, typename Parse>
std::optional<T> IfGiven(const CLI::Option* option, const std::string& text, Parse parse) {
    return Given(option) ? parse(text) : std::nullopt;
}

class MethodOptions final : public TimesOptionGroup {
  public:
    std::span<const std::string_view> Names() const override {
        static constexpr std::string_view kNames[] = {
            "--preset",        "--fajr-angle",   "--isha-angle",    "--isha-interval",
            "--maghrib-angle", "--adjust",       "--high-latitude", "--nearest-latitude",
            "--rounding",      "--imsak-minutes"};
        return kNames;
    }

    void Declare(CLI::App& app, std::vector<CLI::Option*>& added) override {
        const auto add = [&app, &added](const char* name, std::string& text, const char* help,
                                        const char* type, OptionCheck check) {
            CLI::Option* option =
                app.add_option(name, text, help)->type_name(type)->check(std::move(check));
            added.push_back(option);
            return option;
        };
        preset_ =
            add("--preset", presetText_, "Method of an authority (see 'presets'), or classic", "ID",
                Accepting(PresetIdOf,
                          "preset must be classic or an id that 'orvanta-times presets' "
                          "lists"));
        fajrAngle_ = add(
            "--fajr-angle", fajrAngleText_,
            "The preset's Fajr angle replaced (above 0, at most 30)", "DEG",
            Accepting(ParseTwilightAngle, "Fajr angle must be a number above 0 and at most 30"));
        ishaAngle_ = add(
            "--isha-angle", ishaAngleText_,
            "Isha by this angle (above 0, at most 30); not with --isha-interval", "DEG",
            Accepting(ParseTwilightAngle, "Isha angle must be a number above 0 and at most 30"));
        ishaInterval_ = add(
            "--isha-interval", ishaIntervalText_,
            "Isha this long after Maghrib (above 0, at most 300)", "MIN",
            Accepting(ParseIshaInterval, "Isha interval must be a number above 0 and at most 300"));
        maghribAngle_ =
            add("--maghrib-angle", maghribAngleText_, "Maghrib at this angle (0 = sunset, to 10)",
                "DEG", Accepting(ParseMaghribAngle, "Maghrib angle must be a number from 0 to 10"));
        adjust_ = add("--adjust", adjustText_,
                      "Minutes added per prayer (-60 to 60): fajr shuruq zuhr asr maghrib isha",
                      "PRAYER=MIN[,...]",
                      Accepting([](const std::string& t) { return ParseAdjustments(t); },
                                "adjust must be PRAYER=MIN[,...] with prayers fajr shuruq zuhr "
                                "asr maghrib isha and whole minutes from -60 to 60"));
        highLatitude_ = add("--high-latitude", highLatitudeText_,
                            "none, middle-of-night, seventh-of-night, twilight-angle, "
                            "nearest-day or nearest-latitude",
                            "RULE",
                            OneOf({"none", "middle-of-night", "seventh-of-night", "twilight-angle",
                                   "nearest-day", "nearest-latitude"},
                                  "high-latitude"));
        nearestLatitude_ =
            add("--nearest-latitude", nearestLatitudeText_,
                "The latitude nearest-latitude computes at (0 to 65; 48.5 unless given)", "DEG",
                Accepting(ParseNearestLatitude,
                          "nearest latitude must be a number above 0 and at most 65"));
        rounding_ =
            add("--rounding", roundingText_, "Times to the nearest minute or up to the next",
                "nearest|up", OneOf({"nearest", "up"}, "rounding"));
        imsak_ =
            add("--imsak-minutes", imsakText_,
                "Imsak this many minutes before Fajr (0 to 60; the preset's own, else 10)", "MIN",
                Accepting(ParseImsakMinutes, "Imsak minutes must be a whole number from 0 to 60"));
    }

    std::optional<std::string> Fill(TimesRequest& request) const override {
        if (Given(ishaAngle_) && Given(ishaInterval_)) {
            return "--isha-angle does not go with --isha-interval";
        }
        MethodOverrides& m = request.methodOverrides;
        m.presetId = IfGiven<std::string>(preset_, presetText_, PresetIdOf);
        m.fajrAngleDeg = IfGiven<double>(fajrAngle_, fajrAngleText_, ParseTwilightAngle);
        m.ishaAngleDeg = IfGiven<double>(ishaAngle_, ishaAngleText_, ParseTwilightAngle);
        m.ishaIntervalMinutes =
            IfGiven<double>(ishaInterval_, ishaIntervalText_, ParseIshaInterval);
        m.maghribAngleDeg = IfGiven<double>(maghribAngle_, maghribAngleText_, ParseMaghribAngle);
        m.highLatitude =
            IfGiven<HighLatitudeRule>(highLatitude_, highLatitudeText_, ParseHighLatitudeRule);
        m.nearestLatitudeDeg =
            IfGiven<double>(nearestLatitude_, nearestLatitudeText_, ParseNearestLatitude);
        m.rounding = IfGiven<RoundingRule>(rounding_, roundingText_, ParseRoundingRule);
        m.imsakMinutes = IfGiven<int>(imsak_, imsakText_, ParseImsakMinutes);
        if (Given(adjust_)) {
            m.adjustments = adjustText_;
        }
        // Classic's own options, filled by the settings group, set the classic method.
        const SettingsOverrides& classic = request.overrides;
        if (!classic.method && !classic.depressionDegrees && !classic.intervalMinutes) {
            return std::nullopt;
        }
        if (m.presetId && *m.presetId != kClassicMethodId) {
            return "--method, --depression and --interval set the classic method; they do not "
                   "go with --preset " +
                   QuotedValue(*m.presetId);
        }
        m.presetId = std::string(kClassicMethodId);
        return std::nullopt;
    }

  private:
    CLI::Option* preset_ = nullptr;
    CLI::Option* fajrAngle_ = nullptr;
    CLI::Option* ishaAngle_ = nullptr;
    CLI::Option* ishaInterval_ = nullptr;
    CLI::Option* maghribAngle_ = nullptr;
    CLI::Option* adjust_ = nullptr;
    CLI::Option* highLatitude_ = nullptr;
    CLI::Option* nearestLatitude_ = nullptr;
    CLI::Option* rounding_ = nullptr;
    CLI::Option* imsak_ = nullptr;
    std::string presetText_;
    std::string fajrAngleText_;
    std::string ishaAngleText_;
    std::string ishaIntervalText_;
    std::string maghribAngleText_;
    std::string adjustText_;
    std::string highLatitudeText_;
    std::string nearestLatitudeText_;
    std::string roundingText_;
    std::string imsakText_;
};

}  // namespace

std::unique_ptr<TimesOptionGroup> MethodOptionGroup() {
    return std::make_unique<MethodOptions>();
}

}  // namespace orvanta
