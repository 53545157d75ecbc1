// Command-line cases as rows of text, "STATUS ARGUMENTS | TEXT", checked against a run.
// The arguments are split at spaces ('~' stands for a space inside one argument, "\xNN" for
// the byte NN); a word that names a place below stands for its options. A '*' in TEXT stands
// for any characters of one line. Status 0 expects TEXT within a line of standard output (several
// texts of one run are separated by " | "); any other status expects nothing on standard output and
// the one line "orvanta-times: TEXT" on standard error.
#pragma once

#include <gtest/gtest.h>

#include <fnmatch.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "run_times.h"

namespace orvanta::testing_support {

// Places by coordinates: Detroit 42°20′ N 83°03′ W (on its fixed window or its real zone; on
// UTC-5 alone at 42.3314 N 83.0458 W),
// Mecca 21°25′ N 39°49′ E, Sydney 33°52′ S 151°13′ E, Istanbul, Tromsø, Nuuk, London on a
// clock half an hour ahead on 20 June 2024, and "@" for 1 N 2 E on UT.
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
    {"@nuuk", {"--lat", "64.1814", "--lon", "-51.6941", "--tz", "America/Nuuk"}},
    {"@london-half", {"--lat", "51.5", "--lon", "0", "--zone", "0.5", "--date", "2024-06-20"}},
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
        for (std::size_t at; (at = word.find("\\x")) != std::string::npos;) {
            word.replace(at, 4, 1,
                         static_cast<char>(std::stoi(word.substr(at + 2, 2), nullptr, 16)));
        }
        if (place != kPlaces.end()) {
            args.insert(args.end(), place->second.begin(), place->second.end());
        } else {
            args.push_back(word);
        }
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

// True when text holds pattern; a '*' in it stands for any characters of one line (a pattern
// with '*' holds no '[' or '?', which would be wildcards too).
inline bool Holds(const std::string& text, const std::string& pattern) {
    if (pattern.find('*') == std::string::npos) {
        return text.find(pattern) != std::string::npos;
    }
    const std::string glob = "*" + pattern + "*";
    const std::vector<std::string> lines = Lines(text);
    return std::any_of(lines.begin(), lines.end(), [&glob](const std::string& line) {
        return ::fnmatch(glob.c_str(), line.c_str(), FNM_NOESCAPE) == 0;
    });
}

inline void ExpectRun(const CommandRow& row, const RunResult& run) {
    const std::string name = testing::PrintToString(row.args);
    EXPECT_EQ(run.status, row.status) << name << "\n" << run.err;
    if (row.status == 0) {
        for (std::size_t from = 0, bar = 0; bar != std::string::npos; from = bar + 3) {
            bar = row.text.find(" | ", from);
            const std::string text = row.text.substr(from, bar - from);
            EXPECT_TRUE(Holds(run.out, text)) << text << "\n" << name << "\n" << run.out;
        }
        return;
    }
    EXPECT_EQ(run.out, "") << name;
    const std::string line = "orvanta-times: " + row.text + "\n";
    EXPECT_TRUE(run.err == line ||
                (line.find('*') != std::string::npos && run.err.find('\n') == run.err.size() - 1 &&
                 ::fnmatch(line.c_str(), run.err.c_str(), FNM_NOESCAPE) == 0))
        << name << "\n"
        << line << run.err;
}

// Every row of the table run through run (a function of the arguments, a CliHome, or the
// services of RunTimes); the number of rows read.
template <typename Run>
std::size_t ExpectCommands(const std::string& table, const Run& run) {
    const std::vector<CommandRow> rows = CommandRows(table);
    for (const CommandRow& row : rows) {
        if constexpr (std::is_invocable_v<Run, std::vector<std::string>>) {
            ExpectRun(row, run(row.args));
        } else if constexpr (std::is_same_v<Run, CliHome>) {
            ExpectRun(row, run.Run(row.args));
        } else {
            ExpectRun(row, RunTimes(row.args, run));
        }
    }
    return rows.size();
}

}  // namespace orvanta::testing_support
