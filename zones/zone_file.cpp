#include "zones/zone_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>
#include <mutex>

#include "astro/civil_days.h"
#include "zones/zone_tzif.h"

namespace orvanta {
namespace {

constexpr std::size_t kMaxZoneFileBytes = 1U << 20;
// RFC 8536 bounds a time type's offset to -25 h .. +26 h (exclusive of the -25 h itself).
constexpr std::int32_t kLowestOffset = -89999;
constexpr std::int32_t kHighestOffset = 93599;

// A two's-complement value of `width` bytes (4 or 8) as a signed number.
std::int64_t Signed(std::uint64_t value, std::size_t width) {
    if (width == 4) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    return static_cast<std::int64_t>(value);
}

// Reads the data block at `at` (its header's counts, times of timeBytes each) into zone.
bool ReadBlock(std::string_view bytes, std::size_t at, const TzifCounts& c, std::size_t timeBytes,
               ZoneFile& zone) {
    if (c.type == 0 || c.leap != 0 || TzifDataBytes(c, timeBytes) > bytes.size() - at) {
        return false;
    }
    const std::size_t indexesAt = at + c.time * timeBytes;
    const std::size_t typesAt = indexesAt + c.time;
    std::vector<std::int32_t> typeOffsets;
    for (std::size_t t = 0; t < c.type; ++t) {
        const auto offset =
            static_cast<std::int32_t>(Signed(TzifBigEndian(bytes, typesAt + 6 * t, 4), 4));
        if (offset < kLowestOffset || offset > kHighestOffset) {
            return false;
        }
        typeOffsets.push_back(offset);
    }
    zone.initialOffset = typeOffsets[0];
    for (std::size_t i = 0; i < c.time; ++i) {
        const std::int64_t time =
            Signed(TzifBigEndian(bytes, at + i * timeBytes, timeBytes), timeBytes);
        const auto type = static_cast<unsigned char>(bytes[indexesAt + i]);
        if (type >= c.type || (!zone.changeTimes.empty() && time <= zone.changeTimes.back())) {
            return false;
        }
        zone.changeTimes.push_back(time);
        zone.offsetsAfter.push_back(typeOffsets[type]);
    }
    return true;
}

}  // namespace

std::optional<ZoneFile> ParseZoneFile(std::string_view bytes) {
    const std::optional<TzifCounts> first = ReadTzifHeader(bytes, 0);
    if (!first) {
        return std::nullopt;
    }
    ZoneFile zone;
    if (bytes[4] == '\0') {
        if (!ReadBlock(bytes, kTzifHeaderBytes, *first, 4, zone)) {
            return std::nullopt;
        }
        return zone;
    }
    // Version 2 and later: the 64-bit block after the 32-bit one, then the footer.
    const std::optional<std::string> footer = TzifFooter(bytes);
    if (!footer || first->leap != 0) {
        return std::nullopt;
    }
    const std::size_t secondAt = kTzifHeaderBytes + TzifDataBytes(*first, 4);
    const std::optional<TzifCounts> second = ReadTzifHeader(bytes, secondAt);
    if (!second || !ReadBlock(bytes, secondAt + kTzifHeaderBytes, *second, 8, zone)) {
        return std::nullopt;
    }
    if (!footer->empty()) {
        zone.footerRule = ParsePosixZoneRule(*footer);
        if (!zone.footerRule) {
            return std::nullopt;
        }
    }
    return zone;
}

std::int32_t ZoneFileOffsetAt(const ZoneFile& zone, std::int64_t utcSeconds) {
    const auto& times = zone.changeTimes;
    const auto after = std::upper_bound(times.begin(), times.end(), utcSeconds);
    if (after == times.end() && zone.footerRule) {
        // With no listed change at all the footer holds everywhere (RFC 8536, section 3.2).
        return PosixRuleOffsetAt(*zone.footerRule, utcSeconds);
    }
    if (after == times.begin()) {
        return zone.initialOffset;
    }
    return zone.offsetsAfter[static_cast<std::size_t>(after - times.begin() - 1)];
}

std::vector<ZoneTransition> ZoneFileChangesBetween(const ZoneFile& zone, std::int64_t fromUtc,
                                                   std::int64_t toUtc) {
    std::vector<ZoneTransition> changes;
    const auto push = [&](std::int64_t at) {
        const std::int32_t before = ZoneFileOffsetAt(zone, at - 1);
        const std::int32_t after = ZoneFileOffsetAt(zone, at);
        if (before != after && at >= fromUtc && at < toUtc) {
            changes.push_back({at, before, after});
        }
    };
    const auto& times = zone.changeTimes;
    for (auto it = std::lower_bound(times.begin(), times.end(), fromUtc);
         it != times.end() && *it < toUtc; ++it) {
        push(*it);
    }
    const PosixZoneRule* rule = zone.footerRule ? &*zone.footerRule : nullptr;
    if (rule == nullptr || !rule->hasAlternative) {
        return changes;
    }
    // The footer's changes after the last listed one: two a year, found exactly.
    const std::int64_t ruleFrom = times.empty() ? fromUtc : std::max(fromUtc, times.back() + 1);
    if (ruleFrom >= toUtc) {
        return changes;
    }
    const std::int64_t firstYear = civil::YearOfDays(civil::FloorDiv(ruleFrom, 86400)) - 1;
    const std::int64_t lastYear = civil::YearOfDays(civil::FloorDiv(toUtc, 86400)) + 1;
    std::vector<std::int64_t> instants;
    for (std::int64_t year = firstYear; year <= lastYear; ++year) {
        for (const std::int64_t at : PosixRuleChangesOfYear(*rule, year)) {
            if (at >= ruleFrom && at < toUtc) {
                instants.push_back(at);
            }
        }
    }
    std::sort(instants.begin(), instants.end());
    for (const std::int64_t at : instants) {
        push(at);
    }
    return changes;
}

bool IsPlainZoneName(std::string_view name) {
    if (name.empty() || name.size() > 255) {
        return false;
    }
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/') {
            const std::string_view part = name.substr(partStart, i - partStart);
            if (part.empty() || part == "." || part == "..") {
                return false;
            }
            partStart = i + 1;
            continue;
        }
        const char c = name[i];
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '_' || c == '+' || c == '-' || c == '.';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

std::optional<ZoneFile> ReadZoneFile(const std::string& zoneFolder, std::string_view name) {
    if (!IsPlainZoneName(name)) {
        return std::nullopt;
    }
    const std::string path = zoneFolder + "/" + std::string{name};
    // Non-blocking, so that a FIFO cannot hold the open; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::string bytes;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::uint64_t>(info.st_size) <= kMaxZoneFileBytes;
    std::array<char, 8192> buffer{};
    while (ok) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
        ok = bytes.size() <= kMaxZoneFileBytes;
    }
    ::close(fd);
    if (!ok) {
        return std::nullopt;
    }
    return ParseZoneFile(bytes);
}

std::shared_ptr<const ZoneFile> SystemZoneFile(std::string_view name) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const ZoneFile>, std::less<>> cache;
    const std::lock_guard<std::mutex> lock(mutex);
    if (const auto found = cache.find(name); found != cache.end()) {
        return found->second;
    }
    std::shared_ptr<const ZoneFile> zone;
    if (std::optional<ZoneFile> read = ReadZoneFile(kSystemZoneFolder, name)) {
        zone = std::make_shared<const ZoneFile>(std::move(*read));
    }
    if (IsPlainZoneName(name)) {
        cache.emplace(std::string{name}, zone);  // a bounded set: names of files that were asked
    }
    return zone;
}

}  // namespace orvanta
