#include "cities/search_key.h"

namespace orvanta {
namespace {

constexpr bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

constexpr bool IsAsciiSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

}  // namespace

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t c = 0;
        char32_t minimum = 0;  // smallest value allowed for this length (rejects overlong forms)
        if (lead < 0x80U) {
            out.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0U) == 0xC0U) {
            length = 2;
            c = lead & 0x1FU;
            minimum = 0x80;
        } else if ((lead & 0xF0U) == 0xE0U) {
            length = 3;
            c = lead & 0x0FU;
            minimum = 0x800;
        } else if ((lead & 0xF8U) == 0xF0U) {
            length = 4;
            c = lead & 0x07U;
            minimum = 0x10000;
        } else {
            return std::nullopt;  // continuation byte or 0xF8..0xFF as a lead byte
        }
        if (text.size() - i < length) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (!IsContinuation(byte)) {
                return std::nullopt;
            }
            c = (c << 6) | (byte & 0x3FU);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return std::nullopt;
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0U | (c >> 6)));
        out.push_back(static_cast<char>(0x80U | (c & 0x3FU)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0U | (c >> 12)));
        out.push_back(static_cast<char>(0x80U | ((c >> 6) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | (c & 0x3FU)));
    } else {
        out.push_back(static_cast<char>(0xF0U | (c >> 18)));
        out.push_back(static_cast<char>(0x80U | ((c >> 12) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | ((c >> 6) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | (c & 0x3FU)));
    }
}

std::optional<std::string> MakeSearchKey(std::u32string_view text, const FoldFn& fold) {
    std::string folded;
    folded.reserve(text.size());
    for (const char32_t c : text) {
        if (!fold(c, folded)) {
            return std::nullopt;
        }
    }
    return CollapseAsciiWhitespace(folded);
}

std::string CollapseAsciiWhitespace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (const char ch : text) {
        if (IsAsciiSpace(ch)) {
            pendingSpace = !out.empty();  // leading whitespace is dropped
            continue;
        }
        if (pendingSpace) {
            out.push_back(' ');
            pendingSpace = false;
        }
        out.push_back(ch);
    }
    return out;  // trailing whitespace never set a space down
}

std::string PrefixUpperBound(std::string_view prefix) {
    std::string bound(prefix);
    while (!bound.empty()) {
        const auto last = static_cast<unsigned char>(bound.back());
        if (last != 0xFFU) {
            bound.back() = static_cast<char>(last + 1U);
            return bound;
        }
        bound.pop_back();
    }
    return bound;
}

}  // namespace orvanta
