// Reading of compiled zone files (TZif, RFC 8536) and of the version stamp of the zone
// database directory, for what the date library does not report.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Given the bytes of a compiled zone file, returns the rule text of its footer (the POSIX TZ
// string for instants after the last listed transition, without its newlines): empty when the
// file is version 1 or its footer is empty; nothing when the bytes are not a well-formed TZif
// file (bad magic, counts that run past the end, a footer not framed by newlines).
std::optional<std::string> TzifFooter(std::string_view bytes);

// Given a path and a size limit in bytes, returns the whole file, or nothing when it cannot be
// opened, cannot be read or is larger than the limit.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes);

// Given the text of a zone database's "tzdata.zi" (or just its first line), returns the release
// named by its first line "# version 2026f", or nothing when that line is missing.
std::optional<std::string> VersionFromTzdataZi(std::string_view text);

// Given the directory of the compiled zone database, returns its release: the first line of
// "+VERSION" if present, else the version line of "tzdata.zi"; empty when neither gives one.
std::string ReadTzdbVersion(const std::string& zoneInfoDir);

}  // namespace orvanta
