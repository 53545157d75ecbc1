// Checks of single option values for the argument parser (CLI11), shared by the option groups
// of the times command and the cities commands. Each returns "" for a good value, else the
// error.
#pragma once

#include <functional>
#include <string>

namespace orvanta {

using OptionCheck = std::function<std::string(const std::string&)>;

// Finite numbers in [low, high]; the error names the quantity (`what`).
OptionCheck NumberWithin(double low, double high, const std::string& what);

// An existing date YYYY-MM-DD with a year from 0001 to 9999.
std::string DateCheck(const std::string& text);

// A zone of the system's zone database.
std::string ZoneCheck(const std::string& name);

}  // namespace orvanta
