#include "cli/parse_errors.h"

#include "common/visible_text.h"

namespace orvanta {
namespace {

// CLI11 starts these messages with the option's name and ": " ("--lat: 1 required DEG
// missing"); the name is one of ours, so it can be shown as it is.
std::string NameBefore(const std::string& message, const std::string& separator) {
    const std::size_t end = message.find(separator);
    return end == std::string::npos ? std::string() : message.substr(0, end);
}

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

std::string ParseErrorText(const CLI::ParseError& error) {
    const std::string message = error.what();
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
        // "--lat: " + the text of our check.
        const std::size_t start = message.find(": ");
        return start == std::string::npos ? message : message.substr(start + 2);
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        const std::string name = NameBefore(message, ": ");
        if (Contains(message, "At Most")) {
            return name + " may be given only once";
        }
        if (Contains(message, " missing")) {
            return name + " needs a value";
        }
    }
    if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr &&
        Contains(message, "Could not convert: ")) {
        // "Could not convert: --24h = x": only flags convert anything.
        const std::string rest = message.substr(message.find(": ") + 2);
        return NameBefore(rest, " = ") + " takes no value";
    }
    // Anything else (not expected from these options): the parser's text, as a sentence.
    std::string text = message;
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    }
    return "cannot read the arguments: " + VisibleText(text);
}

std::string UnexpectedArgumentText(const std::vector<std::string>& unexpected) {
    const std::string& first = unexpected.front();
    if (first.size() > 1 && first[0] == '-') {
        return "unknown option " + QuotedValue(first) +
               " (a name that begins with '-' goes after --)";
    }
    return "unexpected argument " + QuotedValue(first);
}

}  // namespace orvanta
