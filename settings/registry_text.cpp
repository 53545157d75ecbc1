#include "settings/registry_text.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "common/utf16.h"

namespace orvanta {
namespace {

constexpr std::string_view kVersionLine = "Windows Registry Editor Version 5.00";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
// Hex data lines wrap once they reach this many characters, continuation lines starting with
// two spaces, as the registry editor exports them.
constexpr std::size_t kWrapColumn = 76;

struct Line {
    std::string_view content;  // without the line ending
    std::string_view raw;      // with the line ending
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Splits at LF; a CR before the LF belongs to the line ending.
std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lf = text.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
        Line line;
        line.raw = text.substr(pos, end - pos);
        line.content = line.raw;
        if (!line.content.empty() && line.content.back() == '\n') {
            line.content.remove_suffix(1);
            if (!line.content.empty() && line.content.back() == '\r') {
                line.content.remove_suffix(1);
            }
        }
        lines.push_back(line);
        pos = end;
    }
    return lines;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// 1 to maxDigits hexadecimal digits and nothing else (maxDigits <= 8).
std::optional<std::uint32_t> ParseHexNumber(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// Comma-separated bytes of one or two hex digits, blanks allowed around them; an empty list is
// no bytes.
bool ParseHexBytes(std::string_view list, std::vector<std::uint8_t>& bytes) {
    list = Trim(list);
    if (list.empty()) {
        return true;
    }
    std::size_t pos = 0;
    while (true) {
        const std::size_t comma = list.find(',', pos);
        const std::string_view token =
            Trim(list.substr(pos, comma == std::string_view::npos ? list.npos : comma - pos));
        const std::optional<std::uint32_t> byte = ParseHexNumber(token, 2);
        if (!byte) {
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        if (comma == std::string_view::npos) {
            return true;
        }
        pos = comma + 1;
    }
}

// Reads a quoted text starting at text[pos] == '"': \\ stands for \ and \" for "; any other
// backslash is kept as it is. Leaves pos after the closing quote. False when the text has no
// closing quote or is not well-formed UTF-8.
bool ParseQuoted(std::string_view text, std::size_t& pos, std::string& out) {
    ++pos;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
            out.push_back(text[pos + 1]);
            pos += 2;
        } else if (c == '"') {
            ++pos;
            return Utf16Length(out).has_value();
        } else {
            out.push_back(c);
            ++pos;
        }
    }
    return false;
}

// Parses the data part of a value line (after the '='), hex continuation lines already joined.
bool ParseData(std::string_view data, RegistryEntry& entry) {
    data = Trim(data);
    entry.kind = RegistryEntry::Kind::kValue;
    if (data == "-") {
        entry.kind = RegistryEntry::Kind::kDeletedValue;
        return true;
    }
    if (!data.empty() && data.front() == '"') {
        std::size_t pos = 0;
        std::string text;
        if (!ParseQuoted(data, pos, text) || pos != data.size()) {
            return false;
        }
        // The registry stores a string as its UTF-16LE units and a terminating zero unit.
        const std::string bytes = Utf16ToLeBytes(*Utf8ToUtf16(text)) + std::string(2, '\0');
        entry.data.type = kRegistryTypeString;
        entry.data.bytes.assign(bytes.begin(), bytes.end());
        return true;
    }
    if (StartsWithIgnoringAsciiCase(data, "dword:")) {
        const std::optional<std::uint32_t> number = ParseHexNumber(data.substr(6), 8);
        if (!number) {
            return false;
        }
        entry.data.type = kRegistryTypeDword;
        entry.data.bytes = {static_cast<std::uint8_t>(*number & 0xFF),
                            static_cast<std::uint8_t>((*number >> 8) & 0xFF),
                            static_cast<std::uint8_t>((*number >> 16) & 0xFF),
                            static_cast<std::uint8_t>((*number >> 24) & 0xFF)};
        return true;
    }
    if (StartsWithIgnoringAsciiCase(data, "hex:")) {
        entry.data.type = kRegistryTypeBinary;
        return ParseHexBytes(data.substr(4), entry.data.bytes);
    }
    if (StartsWithIgnoringAsciiCase(data, "hex(")) {
        const std::size_t close = data.find("):");
        if (close == std::string_view::npos) {
            return false;
        }
        const std::optional<std::uint32_t> type = ParseHexNumber(data.substr(4, close - 4), 8);
        if (!type) {
            return false;
        }
        entry.data.type = *type;
        return ParseHexBytes(data.substr(close + 2), entry.data.bytes);
    }
    return false;
}

// Parses the value whose first line is lines[index], taking the continuation lines of wrapped
// hex data; leaves index at the value's last line.
bool ParseValue(const std::vector<Line>& lines, std::size_t& index, RegistryEntry& entry) {
    const std::size_t first = index;
    const std::string_view content = TrimLeft(lines[index].content);
    std::size_t pos = 0;
    if (content.front() == '@') {
        entry.isDefaultValue = true;
        pos = 1;
    } else if (!ParseQuoted(content, pos, entry.name)) {
        return false;
    }
    const std::string_view afterName = TrimLeft(content.substr(pos));
    if (afterName.empty() || afterName.front() != '=') {
        return false;
    }
    const std::string_view dataText = TrimLeft(afterName.substr(1));

    std::string joined(dataText);
    if (StartsWithIgnoringAsciiCase(dataText, "hex")) {
        // A line ending in a backslash continues on the next one.
        while (true) {
            const std::string_view trimmed = TrimRight(joined);
            if (trimmed.empty() || trimmed.back() != '\\') {
                break;
            }
            joined.resize(trimmed.size() - 1);
            if (++index >= lines.size()) {
                return false;
            }
            joined += TrimLeft(lines[index].content);
        }
    }
    if (!ParseData(joined, entry)) {
        return false;
    }
    for (std::size_t i = first; i <= index; ++i) {
        entry.rawText += lines[i].raw;
    }
    return true;
}

// The file's text as UTF-8 and its encoding; nothing for UTF-16 that cannot be decoded.
std::optional<std::pair<std::string, RegistryDocument::Encoding>> DecodeFile(
    std::string_view bytes) {
    using Encoding = RegistryDocument::Encoding;
    if (bytes.starts_with(kUtf16LeBom)) {
        bytes.remove_prefix(kUtf16LeBom.size());
        if (bytes.size() % 2 != 0) {
            return std::nullopt;
        }
        std::optional<std::string> text = Utf16ToUtf8(Utf16FromLeBytes(bytes));
        if (!text) {
            return std::nullopt;
        }
        return std::pair{std::move(*text), Encoding::kUtf16LeWithBom};
    }
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        return std::pair{std::string(bytes), Encoding::kUtf8WithBom};
    }
    return std::pair{std::string(bytes), Encoding::kUtf8};
}

std::string EscapeName(std::string_view name) {
    std::string out;
    for (const char c : name) {
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    return out;
}

void AppendHexByte(std::uint32_t value, std::string& out) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    out.push_back(kDigits[(value >> 4) & 0xF]);
    out.push_back(kDigits[value & 0xF]);
}

// The value's text, wrapped lines joined by the document's line ending, without a final one.
std::string FormatValue(const RegistryEntry& entry, std::string_view newline) {
    // Built by appending: GCC 12 reports a false -Wrestrict on "\"" + std::string + "\"".
    std::string text;
    if (entry.isDefaultValue) {
        text = "@";
    } else {
        text.push_back('"');
        text += EscapeName(entry.name);
        text.push_back('"');
    }
    text += '=';
    if (entry.kind == RegistryEntry::Kind::kDeletedValue) {
        text += '-';
        return text;
    }
    const RegistryData& data = entry.data;
    if (data.type == kRegistryTypeDword && data.bytes.size() == 4) {
        text += "dword:";
        for (std::size_t i = 4; i-- > 0;) {
            AppendHexByte(data.bytes[i], text);
        }
        return text;
    }
    if (data.type == kRegistryTypeBinary) {
        text += "hex:";
    } else {
        text += "hex(";
        std::string digits;
        std::uint32_t type = data.type;
        do {
            digits.insert(digits.begin(), "0123456789abcdef"[type & 0xF]);
            type >>= 4;
        } while (type != 0);
        text += digits + "):";
    }
    std::size_t column = text.size();
    for (std::size_t i = 0; i < data.bytes.size(); ++i) {
        AppendHexByte(data.bytes[i], text);
        column += 2;
        if (i + 1 < data.bytes.size()) {
            text += ',';
            ++column;
            if (column >= kWrapColumn) {
                text += '\\';
                text += newline;
                text += "  ";
                column = 2;
            }
        }
    }
    return text;
}

// Appends a piece of the file, first ending an unterminated last line.
void AppendPiece(std::string_view piece, std::string_view newline, std::string& out) {
    if (!out.empty() && out.back() != '\n') {
        out += newline;
    }
    out += piece;
}

}  // namespace

std::optional<RegistryDocument> ParseRegistryText(std::string_view fileBytes) {
    auto decoded = DecodeFile(fileBytes);
    if (!decoded) {
        return std::nullopt;
    }
    RegistryDocument document;
    document.encoding = decoded->second;
    const std::vector<Line> lines = SplitLines(decoded->first);
    if (lines.empty() || TrimRight(lines[0].content) != kVersionLine) {
        return std::nullopt;
    }
    document.newline = lines[0].raw.ends_with("\r\n") ? "\r\n" : "\n";
    document.preamble = std::string(lines[0].raw);

    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view content = Trim(lines[i].content);
        if (content.empty() || content.front() == ';') {
            if (document.sections.empty()) {
                document.preamble += lines[i].raw;
            } else {
                RegistryEntry other;
                other.rawText = std::string(lines[i].raw);
                document.sections.back().entries.push_back(std::move(other));
            }
            continue;
        }
        if (content.front() == '[') {
            if (content.back() != ']' || content.size() < 3) {
                return std::nullopt;
            }
            RegistrySection section;
            section.path = std::string(content.substr(1, content.size() - 2));
            section.rawHeader = std::string(lines[i].raw);
            document.sections.push_back(std::move(section));
            continue;
        }
        if ((content.front() == '"' || content.front() == '@') && !document.sections.empty()) {
            RegistryEntry entry;
            if (!ParseValue(lines, i, entry)) {
                return std::nullopt;
            }
            document.sections.back().entries.push_back(std::move(entry));
            continue;
        }
        return std::nullopt;
    }
    return document;
}

std::string FormatRegistryText(const RegistryDocument& document) {
    const std::string_view newline = document.newline;
    std::string text = document.preamble;
    for (const RegistrySection& section : document.sections) {
        if (!section.rawHeader.empty()) {
            AppendPiece(section.rawHeader, newline, text);
        } else {
            // A new key starts after a blank line, as exported keys do.
            AppendPiece({}, newline, text);
            if (!text.empty() && !text.ends_with("\n\n") && !text.ends_with("\n\r\n")) {
                text += newline;
            }
            text += "[" + section.path + "]";
            text += newline;
        }
        for (const RegistryEntry& entry : section.entries) {
            if (!entry.rawText.empty()) {
                AppendPiece(entry.rawText, newline, text);
            } else if (entry.kind != RegistryEntry::Kind::kOther) {
                AppendPiece(FormatValue(entry, newline), newline, text);
                text += newline;
            }
        }
    }
    switch (document.encoding) {
        case RegistryDocument::Encoding::kUtf8:
            return text;
        case RegistryDocument::Encoding::kUtf8WithBom:
            return std::string(kUtf8Bom) + text;
        case RegistryDocument::Encoding::kUtf16LeWithBom:
            return std::string(kUtf16LeBom) + Utf16ToLeBytes(Utf8ToUtf16Lossy(text));
    }
    return text;
}

}  // namespace orvanta
