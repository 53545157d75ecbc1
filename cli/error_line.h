// How orvanta-times speaks on its two streams: one error line in one style, and output that is
// known to have arrived.
#pragma once

#include <ostream>
#include <string_view>

namespace orvanta {

// Writes "orvanta-times: " and the sentence as one line: a capital first letter of a word
// becomes lower case, a final '.' or '!' goes, and every control character is shown as a
// visible escape (\x1b). Values inside the sentence are quoted with QuotedValue.
void WriteErrorLine(std::ostream& err, std::string_view sentence);

// Writes text to out and flushes it. Returns 0, or 1 after the error line "cannot write the
// output" when it did not arrive (a full disk, a closed standard output).
int WriteOutput(std::ostream& out, std::ostream& err, std::string_view text);

}  // namespace orvanta
