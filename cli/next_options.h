// The options of `orvanta-times next`: its own (format, --short, --soon, --now); the place,
// settings and method options are the times command's, read by the main parser.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "cli/times_options.h"

namespace orvanta {

// Given "YYYY-MM-DDThh:mm", with ":ss" and an offset ("Z", "+03:00", "-0530") optional and a
// space allowed for the 'T', returns the moment; nothing for any other text, a date that does
// not exist, a year outside 1 .. 9999 or an offset beyond 14 hours.
std::optional<GivenInstant> ParseGivenInstant(const std::string& text);

class NextOptions {
  public:
    // Adds the `next` subcommand to app; the options it does not know fall through to app.
    void Declare(CLI::App& app);
    bool Parsed() const { return next_ != nullptr && next_->parsed(); }
    // After a successful parse in which Parsed(): the request, with the times command's part.
    NextRequest Request(TimesRequest times) const;

  private:
    CLI::App* next_ = nullptr;
    std::string format_ = "text";
    std::string soonText_;
    std::string nowText_;
    bool short_ = false;
};

}  // namespace orvanta
