// Runs orvanta-times inside the test and keeps its status and what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/times_command.h"

namespace orvanta::testing_support {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline RunResult RunTimes(std::vector<std::string> args, const TimesServices& services) {
    args.insert(args.begin(), "orvanta-times");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    RunResult result;
    result.status = RunTimesCommand(static_cast<int>(argv.size()), argv.data(), out, err, services);
    result.out = out.str();
    result.err = err.str();
    return result;
}

inline std::vector<std::string> With(std::vector<std::string> args,
                                     const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

}  // namespace orvanta::testing_support
