#include "common/visible_text.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace orvanta {
namespace {

// One character of UTF-8: its code point and byte count; length 0 when the bytes at text[at]
// do not start a well-formed sequence (cut, overlong, surrogate or above U+10FFFF).
struct Utf8Character {
    std::uint32_t codePoint = 0;
    std::size_t length = 0;
};

Utf8Character DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80U) {
        return {lead, 1};
    }
    std::size_t length = 0;
    std::uint32_t code = 0;
    std::uint32_t lowest = 0;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2, code = lead & 0x1FU, lowest = 0x80U;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3, code = lead & 0x0FU, lowest = 0x800U;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4, code = lead & 0x07U, lowest = 0x10000U;
    } else {
        return {};
    }
    if (at + length > text.size()) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0U) != 0x80U) {
            return {};
        }
        code = (code << 6U) | (byte(at + i) & 0x3FU);
    }
    if (code < lowest || code > 0x10FFFFU || (code >= 0xD800U && code <= 0xDFFFU)) {
        return {};
    }
    return {code, length};
}

bool IsBidiControl(std::uint32_t codePoint) {
    return codePoint == 0x061CU || codePoint == 0x200EU || codePoint == 0x200FU ||
           (codePoint >= 0x202AU && codePoint <= 0x202EU) ||
           (codePoint >= 0x2066U && codePoint <= 0x2069U);
}

bool IsControl(std::uint32_t codePoint) {
    return codePoint <= 0x1FU || (codePoint >= 0x7FU && codePoint <= 0x9FU) ||
           IsBidiControl(codePoint);
}

// "\xNN" for a byte or a code point below U+0100, "\uNNNN" above.
void AppendEscape(std::string& out, std::uint32_t value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), value <= 0xFFU ? "\\x%02x" : "\\u%04x",
                  static_cast<unsigned>(value));
    out += text.data();
}

}  // namespace

bool HasControlCharacter(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = DecodeAt(text, at);
        if (character.length != 0 && IsControl(character.codePoint)) {
            return true;
        }
        at += character.length == 0 ? 1 : character.length;
    }
    return false;
}

std::string VisibleText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = DecodeAt(text, at);
        if (character.length == 0) {
            AppendEscape(shown, static_cast<std::uint8_t>(text[at]));
            ++at;
            continue;
        }
        if (IsControl(character.codePoint)) {
            AppendEscape(shown, character.codePoint);
        } else {
            shown.append(text.substr(at, character.length));
        }
        at += character.length;
    }
    return shown;
}

std::string QuotedValue(std::string_view value, std::size_t maxCharacters) {
    std::size_t end = 0;
    for (std::size_t count = 0; end < value.size() && count < maxCharacters; ++count) {
        const std::size_t length = DecodeAt(value, end).length;
        end += length == 0 ? 1 : length;
    }
    std::string quoted(1, '"');
    quoted += VisibleText(value.substr(0, end));
    if (end < value.size()) {
        quoted += "\u2026";
    }
    quoted += '"';
    return quoted;
}

}  // namespace orvanta
