// The options of `orvanta-times cities ...`: its subcommands and how they become a request.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/times_options.h"

namespace orvanta {

class CitiesOptions {
  public:
    // Adds the `cities` subcommand to app, with those of its own subcommands whose name
    // `wanted` takes (CLI11 matches a command only by an argument that is its name, so a run
    // needs only those its arguments name, or all of them for the help).
    void Declare(CLI::App& app, const std::function<bool(std::string_view)>& wanted);
    // Whether `cities` was given.
    bool Parsed() const { return cities_ != nullptr && cities_->parsed(); }
    // After a successful parse in which Parsed(): the request, or the error (status 2).
    ParsedArguments Request() const;

  private:
    void DeclareAdd();
    void DeclareNearest();
    ParsedArguments AddRequest(CitiesRequest request) const;

    CitiesRequest request_;
    CLI::App* cities_ = nullptr;
    CLI::App* search_ = nullptr;
    CLI::App* home_ = nullptr;
    CLI::App* add_ = nullptr;
    CLI::App* remove_ = nullptr;
    CLI::App* nearest_ = nullptr;
    std::string format_ = "text";
    std::string limitText_;
    std::string latText_;
    std::string lonText_;
    bool clear_ = false;
};

}  // namespace orvanta
