// Arbitrary argument vectors through the whole orvanta-times run, with a pinned date, no saved
// settings on disk and a city store of one city: the run ends with status 0, 1 or 2, writes
// nothing on standard output unless it succeeded, and says on standard error why it failed, in one
// line in the program's style with no raw control character.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/cli/run_times.h"

namespace {

// Mecca, 21°25′ N 39°49′ E (longitude west positive in radians), on Asia/Riyadh.
const orvanta::CityLocation kMecca{.name = "Mecca",
                                   .latitudeRad = 0.3737913481354523,
                                   .longitudeRad = -0.694931930502409,
                                   .zoneHours = 3.0,
                                   .zoneName = "Asia/Riyadh"};

// At most this many arguments; longer vectors exercise nothing new.
constexpr std::size_t kMaxArguments = 63;

[[noreturn]] void Fail(const char* what, const orvanta::testing_support::RunResult& run) {
    std::fprintf(stderr, "cli_args_fuzz: status %d: %s: %s\n", run.status, what, run.err.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input is the arguments after the program name, each ended by a zero byte (the last
    // one may lack it).
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size && arguments.size() <= kMaxArguments; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(static_cast<char>(data[i]));
        }
    }
    if (arguments.back().empty() || arguments.size() > kMaxArguments) {
        arguments.pop_back();
    }
    const orvanta::testing_support::OneCityStore cities(kMecca);
    orvanta::TimesServices services = orvanta::testing_support::Pinned({2026, 3, 20}, &cities);
    services.cityDatabaseDescription = "(test)";
    const auto run = orvanta::testing_support::RunTimes(arguments, services);
    if (run.status == 0) {
        if (run.out.empty()) {
            Fail("success without output", run);
        }
        return 0;
    }
    if (run.status < 0 || run.status > 2 || !run.out.empty() || run.err.empty()) {
        Fail("status out of range, or failed with output or without an error", run);
    }
    // An error is one line in the program's style, with no raw control character: every value
    // from the arguments shows them as escapes.
    const bool noControl = std::none_of(run.err.begin(), run.err.end() - 1, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (run.err.find('\n') != run.err.size() - 1 || !noControl ||
        run.err.rfind("orvanta-times: ", 0) != 0) {
        Fail("error line not in style", run);
    }
    return 0;
}
