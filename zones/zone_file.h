// A compiled zone file (TZif, RFC 8536) read into the offsets it states, and the offset and the
// changes of offset at any instant. The system's files are read one at a time, by name, each
// at most once per process: nothing here walks the zone folder.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zones/zone_posix_rule.h"

namespace orvanta {

// One change of a zone's clock.
struct ZoneTransition {
    std::int64_t utcSeconds = 0;    // the first second of the new offset, since 1970 UT
    std::int32_t offsetBefore = 0;  // seconds east
    std::int32_t offsetAfter = 0;   // seconds east
};

// The offsets a zone file states. Offsets are total offsets from Universal Time, seconds EAST.
struct ZoneFile {
    std::int32_t initialOffset = 0;           // before the first listed change (time type 0)
    std::vector<std::int64_t> changeTimes;    // seconds since 1970 UT, strictly increasing
    std::vector<std::int32_t> offsetsAfter;   // the offset from changeTimes[i] on
    std::optional<PosixZoneRule> footerRule;  // from the last listed change on, when present
};

// Given the bytes of a file, returns its offsets; nothing when the bytes are not a well-formed
// TZif file (no "TZif" magic, counts past the end, a type index or an offset out of range,
// times out of order, a footer that is not a valid rule) or when the file counts leap seconds
// (its times would not be Universal Time). A version 1 file is read from its 32-bit data.
std::optional<ZoneFile> ParseZoneFile(std::string_view bytes);

// The offset in force at an instant (seconds since 1970 UT, any value), seconds east.
std::int32_t ZoneFileOffsetAt(const ZoneFile& zone, std::int64_t utcSeconds);

// The changes of the offset at instants in [fromUtc, toUtc), in order; a listed change that
// keeps the offset (a new name only) is left out.
std::vector<ZoneTransition> ZoneFileChangesBetween(const ZoneFile& zone, std::int64_t fromUtc,
                                                   std::int64_t toUtc);

// True when a zone name is a plain relative path: letters, digits and "_+-" in parts joined by
// single slashes, no part "." or "..", at most 255 characters.
bool IsPlainZoneName(std::string_view name);

// Given a zone folder and a zone name, reads that one file; nothing when the name is not plain,
// the file is not a regular file (a folder, a FIFO), is larger than 1 MiB or is not a zone file.
std::optional<ZoneFile> ReadZoneFile(const std::string& zoneFolder, std::string_view name);

// The named zone of the system's folder (/usr/share/zoneinfo), read on first use and kept for
// the rest of the process (thread-safe); null for a name that is not a zone there.
std::shared_ptr<const ZoneFile> SystemZoneFile(std::string_view name);

// The system's zone folder.
inline constexpr const char* kSystemZoneFolder = "/usr/share/zoneinfo";

}  // namespace orvanta
