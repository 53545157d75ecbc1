// Checks of single option values for the argument parser (CLI11), shared by the option groups
// of the times command and the cities commands. Each returns "" for a good value, else the
// error: a lower-case sentence that names the quantity and quotes the value.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

namespace orvanta {

using OptionCheck = std::function<std::string(const std::string&)>;

// Finite numbers in [low, high]; the error names the quantity (`what`).
OptionCheck NumberWithin(double low, double high, const std::string& what);

// One of the words given ("angle", "interval"); the error names the quantity and the words.
OptionCheck OneOf(std::initializer_list<const char*> words, const std::string& what);

// An existing date YYYY-MM-DD with a year from 0001 to 9999.
std::string DateCheck(const std::string& text);

// A month YYYY-MM with a year from 0001 to 9999.
std::string MonthCheck(const std::string& text);

// A year from 1 to 9999.
std::string YearCheck(const std::string& text);

// A zone of the system's zone database.
std::string ZoneCheck(const std::string& name);

// True when the text is empty or only ASCII spaces and tabs: no name at all.
bool IsBlank(const std::string& text);

}  // namespace orvanta
