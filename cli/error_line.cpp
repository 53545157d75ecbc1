#include "cli/error_line.h"

#include <string>

#include "common/visible_text.h"

namespace orvanta {
namespace {

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}

}  // namespace

void WriteErrorLine(std::ostream& err, std::string_view sentence) {
    std::string line = VisibleText(sentence);
    // "Couldn't find city!" reads "couldn't find city"; "IANA zone ..." keeps its capitals.
    if (line.size() > 1 && IsUpper(line[0]) && (IsLower(line[1]) || line[1] == '\'')) {
        line[0] = static_cast<char>(line[0] - 'A' + 'a');
    }
    while (!line.empty() && (line.back() == '.' || line.back() == '!' || line.back() == ' ')) {
        line.pop_back();
    }
    err << "orvanta-times: " << line << '\n';
}

int WriteOutput(std::ostream& out, std::ostream& err, std::string_view text) {
    out << text;
    out.flush();
    if (!out.good()) {
        WriteErrorLine(err, "cannot write the output");
        return 1;
    }
    return 0;
}

}  // namespace orvanta
