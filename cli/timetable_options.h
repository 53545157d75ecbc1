// The options of `orvanta-times timetable ...`: import a mosque's printed timetable, list the
// stored ones, remove one.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "cli/times_options.h"

namespace orvanta {

class TimetableOptions {
  public:
    // Adds the `timetable` subcommand with its own subcommands to app.
    void Declare(CLI::App& app);
    bool Parsed() const { return timetable_ != nullptr && timetable_->parsed(); }
    // After a successful parse in which Parsed(): the request, or the error (status 2).
    ParsedArguments Request() const;

  private:
    TimetableRequest request_;
    std::string importCity_;
    std::string removeCity_;
    CLI::App* timetable_ = nullptr;
    CLI::App* import_ = nullptr;
    CLI::App* list_ = nullptr;
    CLI::App* remove_ = nullptr;
};

}  // namespace orvanta
