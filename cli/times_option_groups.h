// The options of the times command, one group per concern (the place, the days, the settings,
// the output). A group declares its options on the parser and, after a successful parse, fills
// its part of the request. Adding a group is one line in TimesOptionGroups().
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/given.h"
#include "cli/times_options.h"

namespace orvanta {

class TimesOptionGroup {
  public:
    virtual ~TimesOptionGroup() = default;
    // The names of the group's options as typed ("--city"), those Declare adds.
    virtual std::span<const std::string_view> Names() const = 0;
    // Adds the group's options to app and appends each one to `added` (none of them goes with
    // the cities commands). A run whose arguments name none of them may leave a group out.
    virtual void Declare(CLI::App& app, std::vector<CLI::Option*>& added) = 0;
    // After a successful parse: writes the group's part of the request, or returns the error
    // (status 2) when the values given do not go together. A group left out fills as one of
    // which no option was given.
    virtual std::optional<std::string> Fill(TimesRequest& request) const = 0;
};

// Every group, in the order the help lists them.
std::vector<std::unique_ptr<TimesOptionGroup>> TimesOptionGroups();

}  // namespace orvanta
