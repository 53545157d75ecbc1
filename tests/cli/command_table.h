// Command-line cases as rows of text, "STATUS ARGUMENTS | TEXT", checked against a run.
// The arguments are split at spaces ('~' stands for a space inside one argument); a word that
// names a place below stands for its options. Status 0 expects TEXT within standard output, a
// '*' in it standing for any characters of one line;
// any other status expects nothing on standard output and the one line "orvanta-times: TEXT"
// on standard error.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "run_times.h"

namespace orvanta::testing_support {

// Places by coordinates: Detroit 42°20′ N 83°03′ W (on its fixed window or its real zone; on
// UTC-5 alone at 42.3314 N 83.0458 W),
// Mecca 21°25′ N 39°49′ E, Sydney 33°52′ S 151°13′ E, Istanbul, Tromsø, and "@" for 1 N 2 E
// on UT.
inline const std::map<std::string, std::vector<std::string>> kPlaces = {
    {"@", {"--lat", "1", "--lon", "2", "--zone", "0"}},
    {"@detroit-dst", {"--lat", "42.333333333333336", "--lon", "-83.05", "--zone", "-5", "--dst"}},
    {"@detroit-fixed", {"--lat", "42.3314", "--lon", "-83.0458", "--zone", "-5"}},
    {"@detroit", {"--lat", "42.333333333333336", "--lon", "-83.05", "--tz", "America/Detroit"}},
    {"@mecca", {"--lat", "21.416666666666668", "--lon", "39.81666666666667", "--zone", "3"}},
    {"@sydney",
     {"--lat", "-33.86666666666667", "--lon", "151.21666666666667", "--tz", "Australia/Sydney"}},
    {"@istanbul", {"--lat", "41.0082", "--lon", "28.9784", "--tz", "Europe/Istanbul"}},
    {"@tromso", {"--lat", "69.65", "--lon", "18.96", "--tz", "Europe/Oslo"}},
};

struct CommandRow {
    std::vector<std::string> args;
    int status = 0;
    std::string text;
};

// The arguments of words split at spaces, places replaced by their options.
inline std::vector<std::string> Args(const std::string& words) {
    std::vector<std::string> args;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const auto place = kPlaces.find(word);
        std::replace(word.begin(), word.end(), '~', ' ');
        args = With(args, place != kPlaces.end() ? place->second : std::vector<std::string>{word});
    }
    return args;
}

inline std::vector<CommandRow> CommandRows(const std::string& table) {
    std::vector<CommandRow> rows;
    for (const std::string& line : Lines(table)) {
        const std::size_t bar = line.find(" | ");
        if (bar != std::string::npos) {
            rows.push_back({Args(line.substr(2, bar - 2)), line[0] - '0', line.substr(bar + 3)});
        }
    }
    return rows;
}

// True when text holds pattern, whose '*' stands for any characters of one line.
inline bool Holds(const std::string& text, const std::string& pattern) {
    if (pattern.find('*') == std::string::npos) {
        return text.find(pattern) != std::string::npos;
    }
    std::string expression;
    for (const char c : pattern) {
        if (c == '*') {
            expression += "[^\\n]*";
            continue;
        }
        if (std::strchr("\\^$.|?+()[]{}", c) != nullptr) {
            expression += '\\';
        }
        expression += c;
    }
    return std::regex_search(text, std::regex(expression));
}

inline void ExpectRun(const CommandRow& row, const RunResult& run) {
    const std::string name = testing::PrintToString(row.args);
    EXPECT_EQ(run.status, row.status) << name << "\n" << run.err;
    if (row.status == 0) {
        EXPECT_TRUE(Holds(run.out, row.text)) << row.text << "\n" << name << "\n" << run.out;
    } else {
        EXPECT_EQ(run.out, "") << name;
        EXPECT_EQ(run.err, "orvanta-times: " + row.text + "\n") << name;
    }
}

// Every row of the table run through run(args); the number of rows read.
template <typename Run>
std::size_t ExpectCommands(const std::string& table, const Run& run) {
    const std::vector<CommandRow> rows = CommandRows(table);
    for (const CommandRow& row : rows) {
        ExpectRun(row, run(row.args));
    }
    return rows.size();
}

inline std::size_t ExpectCommands(const std::string& table, const TimesServices& services) {
    return ExpectCommands(table, [&](const auto& args) { return RunTimes(args, services); });
}

}  // namespace orvanta::testing_support
