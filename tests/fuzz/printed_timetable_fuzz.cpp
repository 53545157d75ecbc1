// Arbitrary bytes as an imported timetable file: the parse either refuses the whole (some
// faults, no day) or gives days in date order, each date once, each day's six times in order
// (Fajr < Shuruq < Zuhr < Asr < Maghrib <= Isha, minutes within the date and the night after).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/printed_timetable.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "printed_timetable_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orvanta::PrintedTimetable parsed = orvanta::ParsePrintedTimetable(text);
    if (parsed.faults.empty() == parsed.days.empty()) {
        Fail("neither days nor faults, or both");
    }
    if (parsed.faults.size() > orvanta::kPrintedMaxFaults || parsed.days.size() > 3653) {
        Fail("more faults or days than the bounds");
    }
    for (std::size_t i = 0; i < parsed.days.size(); ++i) {
        const auto& minutes = parsed.days[i].minutes;
        if (i > 0 && parsed.days[i].day <= parsed.days[i - 1].day) {
            Fail("days out of date order or a date twice");
        }
        if (minutes[0] < 0 || minutes[5] >= 2 * 1440) {
            Fail("a time outside the date and its night");
        }
        for (std::size_t s = 1; s < minutes.size(); ++s) {
            if (minutes[s] < minutes[s - 1] || (s < 5 && minutes[s] == minutes[s - 1])) {
                Fail("times out of order");
            }
        }
    }
    return 0;
}
