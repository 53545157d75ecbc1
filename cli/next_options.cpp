#include "cli/next_options.h"

#include <cctype>

#include "astro/number_text.h"
#include "cli/option_checks.h"
#include "cli/option_values.h"
#include "common/visible_text.h"

namespace orvanta {
namespace {

constexpr std::int32_t kSecondsPerHour = 3600;
constexpr std::int32_t kMaxOffsetSeconds = 14 * kSecondsPerHour;

// The two digits at text[at], or nothing.
std::optional<int> TwoDigits(const std::string& text, std::size_t at) {
    if (at + 2 > text.size() || !std::isdigit(static_cast<unsigned char>(text[at])) ||
        !std::isdigit(static_cast<unsigned char>(text[at + 1]))) {
        return std::nullopt;
    }
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// "Z", "+hh:mm", "+hhmm" or "+hh" (or '-'), in seconds EAST positive.
std::optional<std::int32_t> ParseOffset(const std::string& text) {
    if (text == "Z" || text == "z") {
        return 0;
    }
    if (text.size() < 3 || (text[0] != '+' && text[0] != '-')) {
        return std::nullopt;
    }
    const std::optional<int> hours = TwoDigits(text, 1);
    std::optional<int> minutes = 0;
    if (text.size() == 6 && text[3] == ':') {
        minutes = TwoDigits(text, 4);
    } else if (text.size() == 5) {
        minutes = TwoDigits(text, 3);
    } else if (text.size() != 3) {
        return std::nullopt;
    }
    if (!hours || !minutes || *minutes > 59) {
        return std::nullopt;
    }
    const std::int32_t seconds = *hours * kSecondsPerHour + *minutes * 60;
    if (seconds > kMaxOffsetSeconds) {
        return std::nullopt;
    }
    return text[0] == '-' ? -seconds : seconds;
}

std::string NowCheck(const std::string& text) {
    return ParseGivenInstant(text)
               ? std::string()
               : "the time must read YYYY-MM-DDThh:mm[:ss][+hh:mm|Z], not " + QuotedValue(text);
}

std::string SoonCheck(const std::string& text) {
    const std::optional<int> minutes =
        text.size() <= 4 ? ParseNumber<int>(text, NumberSigns::kNone) : std::nullopt;
    return minutes && *minutes <= 1440
               ? std::string()
               : "soon must be a whole number of minutes from 0 to 1440, not " + QuotedValue(text);
}

}  // namespace

std::optional<GivenInstant> ParseGivenInstant(const std::string& text) {
    constexpr std::size_t kDateLength = 10;  // "YYYY-MM-DD"
    if (text.size() < kDateLength + 6 || (text[kDateLength] != 'T' && text[kDateLength] != ' ')) {
        return std::nullopt;
    }
    GivenInstant instant;
    const std::optional<CivilDate> date = ParseIsoDate(text.substr(0, kDateLength));
    const std::optional<int> hours = TwoDigits(text, kDateLength + 1);
    const std::optional<int> minutes = TwoDigits(text, kDateLength + 4);
    std::optional<int> seconds = 0;
    std::size_t rest = kDateLength + 6;
    if (rest < text.size() && text[rest] == ':') {
        seconds = TwoDigits(text, rest + 1);
        rest += 3;
    }
    if (!date || !hours || !minutes || !seconds || text[kDateLength + 3] != ':' || *hours > 23 ||
        *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    instant.date = *date;
    instant.secondOfDay = (*hours * 60 + *minutes) * 60 + *seconds;
    if (rest < text.size()) {
        instant.offsetSeconds = ParseOffset(text.substr(rest));
        if (!instant.offsetSeconds) {
            return std::nullopt;
        }
    }
    return instant;
}

void NextOptions::Declare(CLI::App& app) {
    next_ =
        app.add_subcommand("next", "The next prayer time from now, for status bars and scripts");
    next_->fallthrough();  // the place, settings and method options belong to the main command
    next_->add_option("--format", format_, "Output (default text)")
        ->type_name("text|json|waybar")
        ->check(OneOf({"text", "json", "waybar"}, "format"));
    next_->add_flag("--short", short_, "The name and the time, without the time left");
    next_
        ->add_option("--soon", soonText_,
                     "waybar: the class \"soon\" within this many minutes (default 15)")
        ->type_name("MIN")
        ->check(SoonCheck);
    next_->add_option("--now", nowText_, "The moment to start from (default: the system clock)")
        ->type_name("ISO-TIME")
        ->check(NowCheck);
}

NextRequest NextOptions::Request(TimesRequest times) const {
    NextRequest request;
    request.times = std::move(times);
    if (format_ == "json") {
        request.format = NextRequest::Format::kJson;
    } else if (format_ == "waybar") {
        request.format = NextRequest::Format::kWaybar;
    }
    request.shortText = short_;
    if (!soonText_.empty()) {
        request.soonMinutes = *ParseNumber<int>(soonText_, NumberSigns::kNone);
    }
    if (!nowText_.empty()) {
        request.now = ParseGivenInstant(nowText_);
    }
    return request;
}

}  // namespace orvanta
