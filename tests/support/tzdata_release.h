// The release of the system's tz database ("2026c"), for tests whose expected values follow a
// rule first published in a given release: on an older system they are skipped with a message
// naming the release they need, instead of failing.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace orvanta::testing_support {

inline constexpr const char* kSystemTzdataText = "/usr/share/zoneinfo/tzdata.zi";

// The release on the first line of FILE, "# version 2026c"; empty when there is none.
inline std::string TzdataRelease(const std::string& file = kSystemTzdataText) {
    constexpr std::string_view kTag = "# version ";
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line.starts_with(kTag) ? line.substr(kTag.size()) : "";
}

// Empty when FILE's release is NEEDED or later, or cannot be read (the test then runs); else the
// reason to skip. Releases are a year and letters, later letters later ("2026z" < "2026za").
inline std::string MissingTzdata(std::string_view needed,
                                 const std::string& file = kSystemTzdataText) {
    const std::string have = TzdataRelease(file);
    const bool older =
        have.size() < needed.size() || (have.size() == needed.size() && have < needed);
    if (have.empty() || !older) {
        return "";
    }
    return "needs tzdata " + std::string(needed) + " or later; this system has " + have;
}

}  // namespace orvanta::testing_support
