// The options that choose the method (--preset and the overrides of a preset's parameters)
// and the 'presets' subcommand, as CLI11 parses them.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/method_overrides.h"

namespace orvanta {

// The options' texts while CLI11 parses, and the 'presets' subcommand.
struct MethodOptions {
    std::string preset;
    std::string fajrAngle;
    std::string ishaAngle;
    std::string ishaInterval;
    std::string maghribAngle;
    std::string adjust;
    std::string highLatitude;
    std::string rounding;
    CLI::App* presets = nullptr;
    std::vector<CLI::Option*> options;  // every option added, for refusing them elsewhere
};

// Adds --preset, --fajr-angle, --isha-angle, --isha-interval, --maghrib-angle, --adjust,
// --high-latitude and --rounding, each checked as CLI11 parses (a bad value ends the run with
// one line and status 2), and the 'presets' subcommand.
void AddMethodOptions(CLI::App& app, MethodOptions& options);

// The overrides of the parsed options' texts (already checked).
MethodOverrides MethodOverridesOf(const MethodOptions& options);

}  // namespace orvanta
