#include "zones/zone_tzif.h"

#include <cstdint>

namespace orvanta {
namespace {

constexpr std::size_t kHeaderBytes = 44;  // "TZif", version, 15 reserved, six 32-bit counts

// The six counts of a TZif header, in file order.
struct TzifCounts {
    std::uint64_t isUtc = 0;
    std::uint64_t isStd = 0;
    std::uint64_t leap = 0;
    std::uint64_t time = 0;
    std::uint64_t type = 0;
    std::uint64_t chars = 0;
};

std::uint64_t ReadBigEndian32(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Given the bytes and the offset of a header, returns its counts; nothing when the header does
// not fit or lacks the magic.
std::optional<TzifCounts> ReadHeader(std::string_view bytes, std::size_t at) {
    if (bytes.size() < at || bytes.size() - at < kHeaderBytes || bytes.substr(at, 4) != "TZif") {
        return std::nullopt;
    }
    TzifCounts counts;
    counts.isUtc = ReadBigEndian32(bytes, at + 20);
    counts.isStd = ReadBigEndian32(bytes, at + 24);
    counts.leap = ReadBigEndian32(bytes, at + 28);
    counts.time = ReadBigEndian32(bytes, at + 32);
    counts.type = ReadBigEndian32(bytes, at + 36);
    counts.chars = ReadBigEndian32(bytes, at + 40);
    return counts;
}

// Bytes of the data block that follows a header: transition times of timeBytes each, their
// type indexes, 6-byte type records, abbreviation characters, leap records (a time of
// timeBytes and a 4-byte correction) and the two indicator arrays. Each count is below 2^32,
// so the sum cannot overflow 64 bits.
std::uint64_t DataBlockBytes(const TzifCounts& counts, std::uint64_t timeBytes) {
    return counts.time * timeBytes + counts.time + counts.type * 6 + counts.chars +
           counts.leap * (timeBytes + 4) + counts.isStd + counts.isUtc;
}

}  // namespace

std::optional<std::string> TzifFooter(std::string_view bytes) {
    const std::optional<TzifCounts> first = ReadHeader(bytes, 0);
    if (!first) {
        return std::nullopt;
    }
    const char version = bytes[4];
    const std::uint64_t firstEnd = kHeaderBytes + DataBlockBytes(*first, 4);
    if (firstEnd > bytes.size()) {
        return std::nullopt;
    }
    if (version == '\0') {
        return std::string{};
    }
    const std::optional<TzifCounts> second = ReadHeader(bytes, static_cast<std::size_t>(firstEnd));
    if (!second) {
        return std::nullopt;
    }
    const std::uint64_t footerStart = firstEnd + kHeaderBytes + DataBlockBytes(*second, 8);
    if (footerStart >= bytes.size() || bytes[static_cast<std::size_t>(footerStart)] != '\n') {
        return std::nullopt;
    }
    const std::string_view rest = bytes.substr(static_cast<std::size_t>(footerStart) + 1);
    const std::size_t close = rest.find('\n');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string{rest.substr(0, close)};
}

}  // namespace orvanta
