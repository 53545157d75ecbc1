// The release of the system's tz database ("2026c"), for tests whose expected values follow a
// rule first published in a given release: on an older system they are skipped with a message
// naming the release they need, instead of failing.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace orvanta::testing_support {

// Empty when the release on FILE's first line ("# version 2026c") is NEEDED or later, or cannot
// be read (the test then runs); else the reason to skip. Releases are a year and letters, later
// letters later ("2026z" < "2026za").
inline std::string MissingTzdata(std::string_view needed,
                                 const std::string& file = "/usr/share/zoneinfo/tzdata.zi") {
    constexpr std::string_view kTag = "# version ";
    std::ifstream in(file);
    std::string have;
    std::getline(in, have);
    have = have.starts_with(kTag) ? have.substr(kTag.size()) : "";
    if (have.empty() || have.size() > needed.size() ||
        (have.size() == needed.size() && have >= needed)) {
        return "";
    }
    return "needs tzdata " + std::string(needed) + " or later; this system has " + have;
}

}  // namespace orvanta::testing_support
