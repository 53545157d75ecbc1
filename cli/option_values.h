// The values the command line accepts, read from their text: numbers, dates, months, years.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "astro/date_row.h"

namespace orvanta {

// Parses the whole text as a finite decimal number; a leading '+' is allowed ("+5.5").
std::optional<double> ParseFiniteNumber(const std::string& text);

// Given "YYYY-MM-DD", returns the date when the text has that exact form and the date exists
// with a year of 1 .. 9999.
std::optional<CivilDate> ParseIsoDate(const std::string& text);

// Given "YYYY-MM", returns the first and last day of that month (year 1 .. 9999).
std::optional<std::pair<CivilDate, CivilDate>> ParseIsoMonth(const std::string& text);

// Given a year of one to four digits (1 .. 9999), returns its first and last day.
std::optional<std::pair<CivilDate, CivilDate>> ParseYear(const std::string& text);

}  // namespace orvanta
