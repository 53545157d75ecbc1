// Reading of compiled zone files (TZif, RFC 8536): the one reader of their headers and data
// block sizes, and the footer's rule text, which gives a zone's offsets after the last
// transition the file lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

inline constexpr std::size_t kTzifHeaderBytes = 44;  // "TZif", version, 15 reserved, six counts

// The six 32-bit counts of a TZif header, in file order.
struct TzifCounts {
    std::uint64_t isUt = 0;   // UT/local indicators
    std::uint64_t isStd = 0;  // standard/wall indicators
    std::uint64_t leap = 0;   // leap-second records
    std::uint64_t time = 0;   // transition times
    std::uint64_t type = 0;   // local time types
    std::uint64_t chars = 0;  // abbreviation characters
};

// Given bytes and an offset with `width` (1..8) bytes after it, returns the big-endian
// unsigned value there.
std::uint64_t TzifBigEndian(std::string_view bytes, std::size_t at, std::size_t width);

// Given the bytes and the offset of a header, returns its counts; nothing when the header does
// not fit or lacks the "TZif" magic.
std::optional<TzifCounts> ReadTzifHeader(std::string_view bytes, std::size_t at);

// Bytes of the data block that follows a header: transition times of timeBytes (4 or 8) each,
// their type indexes, 6-byte type records, abbreviation characters, leap records (a time of
// timeBytes and a 4-byte correction) and the two indicator arrays. Each count is below 2^32,
// so the sum cannot overflow 64 bits.
std::uint64_t TzifDataBytes(const TzifCounts& counts, std::uint64_t timeBytes);

// Given the bytes of a compiled zone file, returns the rule text of its footer (the POSIX TZ
// string for instants after the last listed transition, without its newlines): empty when the
// file is version 1 or its footer is empty; nothing when the bytes are not a well-formed TZif
// file (bad magic, counts that run past the end, a footer not framed by newlines).
std::optional<std::string> TzifFooter(std::string_view bytes);

}  // namespace orvanta
