// Arbitrary doubles and floats (NaN, infinities, huge, tiny, subnormal) as slot values: the
// text is either the "can't determine" mark or "%3d:%02d AM|PM" with a 12-hour clock, and a
// shown time lies within half a minute of the value, taken modulo one day.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "astro/time_text.h"

namespace {

[[noreturn]] void Fail(double hours, const std::string& text, const char* what) {
    std::fprintf(stderr, "time_text_fuzz: %.17g -> \"%s\": %s\n", hours, text.c_str(), what);
    std::abort();
}

// The minute of the day (0 .. 1439) a well-formed text shows; -1 when the text is malformed:
// "hhh:mm XM", the hour right-aligned in three columns without a leading zero; AM shows
// 0 .. 11 (midnight as 0), PM shows 12 and 1 .. 11.
int ShownMinuteOfDay(const std::string& text) {
    int hour = -1;
    int minute = -1;
    char half = '?';
    std::array<char, 16> again{};
    if (std::sscanf(text.c_str(), "%d:%d %cM", &hour, &minute, &half) != 3 ||
        std::snprintf(again.data(), again.size(), "%3d:%02d %cM", hour, minute, half) < 0 ||
        text != again.data() || hour < 0 || minute < 0 || minute > 59 ||
        (half == 'A' ? hour > 11 : half != 'P' || hour < 1 || hour > 12)) {
        return -1;
    }
    return (half == 'P' && hour != 12 ? hour + 12 : hour) * 60 + minute;
}

void Check(double hours) {
    const std::string text = orvanta::FormatPrayerTime(hours);
    const bool shownRange = std::isfinite(hours) && hours >= -24.0 && hours <= 48.0;
    if (text == orvanta::kCantDetermineText) {
        if (shownRange) {
            Fail(hours, text, "a time of the shown range was marked as not determinable");
        }
        return;
    }
    if (!shownRange) {
        Fail(hours, text, "a value outside -24 .. 48 hours was shown as a time");
    }
    const int shown = ShownMinuteOfDay(text);
    if (shown < 0) {
        Fail(hours, text, "the text is not of the form \"%3d:%02d AM|PM\"");
    }
    // Distance on the clock face between the value and the shown minute; the value itself is
    // exact in minutes to far better than 1e-9 within -24 .. 48 hours.
    const double minutes = std::fmod(hours * 60.0, 1440.0);
    double difference = std::fabs(std::fmod(minutes - shown + 2880.0, 1440.0));
    difference = std::fmin(difference, 1440.0 - difference);
    if (difference > 0.5 + 1e-9) {
        Fail(hours, text, "the shown time is more than half a minute from the value");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each 8 bytes as a double, each 4 bytes as a float widened to double (the day table keeps
    // single precision).
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double value;
        std::memcpy(&value, data + at, sizeof value);
        Check(value);
    }
    for (std::size_t at = 0; at + sizeof(float) <= size; at += sizeof(float)) {
        float value;
        std::memcpy(&value, data + at, sizeof value);
        Check(static_cast<double>(value));
    }
    return 0;
}
