// The argument parser's (CLI11's) own errors, said in the command line's words.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace orvanta {

// A lower-case sentence for an error the parser raised: a value refused by one of our checks
// keeps the check's text; a missing value, a repeated option and a value given to a flag are
// said in one sentence each, naming the option.
std::string ParseErrorText(const CLI::ParseError& error);

// The sentence for arguments the parser did not expect; the first one is quoted.
std::string UnexpectedArgumentText(const std::vector<std::string>& unexpected);

}  // namespace orvanta
