// Whether an option or a command was given. A run declares only the options and commands its
// arguments can reach (times_options.cpp), so one that was left out is null here.
#pragma once

#include <CLI/CLI.hpp>

namespace orvanta {

// Declared and given on the command line.
inline bool Given(const CLI::Option* option) {
    return option != nullptr && option->count() > 0;
}

// Declared and named on the command line.
inline bool WasParsed(const CLI::App* command) {
    return command != nullptr && command->parsed();
}

}  // namespace orvanta
