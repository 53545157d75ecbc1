#include "timetable/hours_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace orvanta {
namespace {

HoursText ByToChars(double value) {
    HoursText text;
    const std::to_chars_result written =
        std::to_chars(text.chars.data(), text.chars.data() + text.chars.size(), value,
                      std::chars_format::general, 9);
    text.length = static_cast<std::size_t>(written.ptr - text.chars.data());
    return text;
}

// Given an integer numerator and a shift 1 .. 62, returns numerator / 2^shift rounded to the
// nearest integer, ties to even (as printf rounds the exact binary value).
std::uint64_t DivideByPowerOfTwo(std::uint64_t numerator, int shift) {
    const std::uint64_t quotient = numerator >> shift;
    const std::uint64_t remainder = numerator & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) {
        return quotient + 1;
    }
    return quotient;
}

// Given the nine significant digits as an integer with decimals digits after the point
// (decimals 7 or 8, below 100 before it) and the sign, writes them as %g does: no trailing
// zeros, and no point when the fraction is zero.
HoursText FixedText(std::uint64_t digits, int decimals, bool negative) {
    const std::uint64_t scale = decimals == 8 ? 100000000 : 10000000;
    HoursText text;
    std::size_t& length = text.length;
    if (negative) {
        text.chars[length++] = '-';
    }
    const std::uint64_t whole = digits / scale;
    if (whole >= 10) {
        text.chars[length++] = static_cast<char>('0' + whole / 10);
    }
    text.chars[length++] = static_cast<char>('0' + whole % 10);
    std::uint64_t rest = digits % scale;
    if (rest == 0) {
        return text;
    }
    int shown = decimals;
    for (; rest % 10 == 0; rest /= 10) {
        --shown;
    }
    text.chars[length++] = '.';
    for (int i = shown - 1; i >= 0; --i, rest /= 10) {
        text.chars[length + static_cast<std::size_t>(i)] = static_cast<char>('0' + rest % 10);
    }
    length += static_cast<std::size_t>(shown);
    return text;
}

}  // namespace

HoursText FormatHoursText(float hours) {
    const double value = static_cast<double>(hours);
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1.0 && magnitude < 100.0)) {
        return ByToChars(value);
    }
    // magnitude = mantissa * 2^-shift exactly: the float's 24-bit significand (its 23 stored
    // bits and the leading one) and its exponent, shift 17 .. 23 in this range.
    const auto bits = std::bit_cast<std::uint32_t>(hours);
    const std::uint64_t mantissa = (bits & 0x7FFFFFU) | 0x800000U;
    const int shift = 150 - static_cast<int>((bits >> 23) & 0xFFU);
    // Nine significant digits: eight decimals below 10, seven from 10.
    const int decimals = magnitude < 10.0 ? 8 : 7;
    const std::uint64_t scale = decimals == 8 ? 100000000 : 10000000;
    const std::uint64_t digits = DivideByPowerOfTwo(mantissa * scale, shift);
    if (digits >= scale * (decimals == 8 ? 10 : 100)) {
        return ByToChars(value);  // rounded up to a tenth digit (9.99999999x, 99.9999999x)
    }
    return FixedText(digits, decimals, value < 0.0);
}

void AppendHoursText(std::string& text, float hours) {
    const HoursText shown = FormatHoursText(hours);
    text.append(shown.chars.data(), shown.length);
}

}  // namespace orvanta
