#include "timetable/hours_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace orvanta {
namespace {

void AppendByToChars(std::string& text, double value) {
    std::array<char, 32> buffer{};
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                       value, std::chars_format::general, 9);
    text.append(buffer.data(), written.ptr);
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

}  // namespace

void AppendHoursText(std::string& text, float hours) {
    const double value = static_cast<double>(hours);
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1.0 && magnitude < 100.0)) {
        AppendByToChars(text, value);
        return;
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
        AppendByToChars(text, value);  // rounded up to a tenth digit (9.99999999x, 99.9999999x)
        return;
    }
    // Sign, one or two whole digits, then the fraction without its trailing zeros (as %g).
    std::array<char, 16> out{};
    std::size_t length = 0;
    if (value < 0.0) {
        out[length++] = '-';
    }
    const std::uint64_t whole = digits / scale;
    if (whole >= 10) {
        out[length++] = static_cast<char>('0' + whole / 10);
    }
    out[length++] = static_cast<char>('0' + whole % 10);
    std::uint64_t rest = digits % scale;
    if (rest != 0) {
        int shown = decimals;
        while (rest % 10 == 0) {
            rest /= 10;
            --shown;
        }
        out[length++] = '.';
        for (int i = shown - 1; i >= 0; --i) {
            out[length + static_cast<std::size_t>(i)] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        length += static_cast<std::size_t>(shown);
    }
    text.append(out.data(), length);
}

}  // namespace orvanta
