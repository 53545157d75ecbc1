// Plain-text tables of the command line: cells aligned in columns by their width in
// characters (UTF-8 continuation bytes do not count), two spaces between columns.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The number of characters of a UTF-8 text.
std::size_t TextWidth(std::string_view text);

// Writes each line's cells, every column as wide as its widest cell, the last one unpadded.
template <std::size_t N>
void WriteColumns(std::ostream& out, const std::vector<std::array<std::string, N>>& lines) {
    std::array<std::size_t, N> widths{};
    for (const auto& line : lines) {
        for (std::size_t c = 0; c < N; ++c) {
            widths[c] = std::max(widths[c], TextWidth(line[c]));
        }
    }
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t c = 0; c < N; ++c) {
            text += line[c];
            if (c + 1 < N) {
                text.append(widths[c] - TextWidth(line[c]) + 2, ' ');
            }
        }
        out << text << '\n';
    }
}

}  // namespace orvanta
