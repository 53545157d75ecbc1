#include "zones/zone_tzif.h"

namespace orvanta {

std::uint64_t TzifBigEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

std::optional<TzifCounts> ReadTzifHeader(std::string_view bytes, std::size_t at) {
    if (bytes.size() < at || bytes.size() - at < kTzifHeaderBytes ||
        bytes.substr(at, 4) != "TZif") {
        return std::nullopt;
    }
    TzifCounts counts;
    counts.isUt = TzifBigEndian(bytes, at + 20, 4);
    counts.isStd = TzifBigEndian(bytes, at + 24, 4);
    counts.leap = TzifBigEndian(bytes, at + 28, 4);
    counts.time = TzifBigEndian(bytes, at + 32, 4);
    counts.type = TzifBigEndian(bytes, at + 36, 4);
    counts.chars = TzifBigEndian(bytes, at + 40, 4);
    return counts;
}

std::uint64_t TzifDataBytes(const TzifCounts& counts, std::uint64_t timeBytes) {
    return counts.time * timeBytes + counts.time + counts.type * 6 + counts.chars +
           counts.leap * (timeBytes + 4) + counts.isStd + counts.isUt;
}

std::optional<std::string> TzifFooter(std::string_view bytes) {
    const std::optional<TzifCounts> first = ReadTzifHeader(bytes, 0);
    if (!first) {
        return std::nullopt;
    }
    const char version = bytes[4];
    const std::uint64_t firstEnd = kTzifHeaderBytes + TzifDataBytes(*first, 4);
    if (firstEnd > bytes.size()) {
        return std::nullopt;
    }
    if (version == '\0') {
        return std::string{};
    }
    const std::optional<TzifCounts> second =
        ReadTzifHeader(bytes, static_cast<std::size_t>(firstEnd));
    if (!second) {
        return std::nullopt;
    }
    const std::uint64_t footerStart = firstEnd + kTzifHeaderBytes + TzifDataBytes(*second, 8);
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
