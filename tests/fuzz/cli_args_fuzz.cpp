// Arbitrary argument vectors through the whole orvanta-times run, with a pinned date, no saved
// settings on disk and a city store of one city: the run ends with status 0, 1 or 2, writes
// nothing on standard output unless it succeeded, and says on standard error why it failed, in one
// line in the program's style with no raw control character.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/times_command.h"

namespace {

using orvanta::CityLocation;
using orvanta::CityLookupStatus;

// Mecca, found by that exact name only.
class OneCityStore final : public orvanta::CityStore {
  public:
    CityLookupStatus LookUp(CityLocation& city,
                            const orvanta::MessageFn& showMessage) const override {
        if (city.name != "Mecca") {
            showMessage(orvanta::kCityNotFoundText, orvanta::kCityNotFoundCaption);
            return CityLookupStatus::NotFound;
        }
        CityLocation found;
        found.name = "Mecca";
        found.latitudeDegrees = 21;
        found.latitudeMinutes = 25;
        found.longitudeDegrees = 39;
        found.longitudeMinutes = 49;
        found.latitudeRad = 0.3737913481354523;
        found.longitudeRad = -0.694931930502409;
        found.zoneHours = 3.0;
        found.zoneName = "Asia/Riyadh";
        city = found;
        return CityLookupStatus::Found;
    }
};

// At most this many arguments; longer vectors exercise nothing new.
constexpr std::size_t kMaxArguments = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input is the arguments after the program name, each ended by a zero byte (the last
    // one may lack it).
    std::vector<std::string> arguments = {"orvanta-times"};
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    if (!current.empty()) {
        arguments.push_back(current);
    }
    if (arguments.size() > kMaxArguments) {
        arguments.resize(kMaxArguments);
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);

    const OneCityStore cities;
    orvanta::TimesServices services;
    services.today = [] {
        return std::optional<orvanta::CivilDate>(orvanta::CivilDate{2026, 3, 20});
    };
    services.cities = &cities;
    services.cityDatabaseDescription = "(test)";

    std::ostringstream out;
    std::ostringstream err;
    const int status = orvanta::RunTimesCommand(static_cast<int>(arguments.size()), argv.data(),
                                                out, err, services);
    if (status < 0 || status > 2) {
        std::fprintf(stderr, "cli_args_fuzz: status %d\n", status);
        std::abort();
    }
    if (status != 0 && (!out.str().empty() || err.str().empty())) {
        std::fprintf(stderr, "cli_args_fuzz: status %d with output or without an error\n", status);
        std::abort();
    }
    // An error is one line in the program's style, with no raw control character: every value
    // from the arguments shows them as escapes.
    const std::string error = err.str();
    if (status != 0) {
        const bool oneLine = error.find('\n') == error.size() - 1;
        const bool noControl = std::none_of(error.begin(), error.end() - 1, [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7F;
        });
        if (!oneLine || !noControl || error.rfind("orvanta-times: ", 0) != 0) {
            std::fprintf(stderr, "cli_args_fuzz: error line not in style: %s\n", error.c_str());
            std::abort();
        }
    }
    if (status == 0 && out.str().empty()) {
        std::fprintf(stderr, "cli_args_fuzz: success without output\n");
        std::abort();
    }
    return 0;
}
