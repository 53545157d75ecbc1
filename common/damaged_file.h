// Moving a damaged file out of the way without destroying it, so that the program can start
// afresh while the user (or a support request) still has the old bytes.
#pragma once

#include <filesystem>
#include <optional>

namespace orvanta {

// Renames file to <file>.damaged-<UTC time YYYYMMDDTHHMMSSZ>, or with -1, -2, ... appended when
// that name is taken; never replaces another file. SQLite's companion files (<file>-journal,
// <file>-wal, <file>-shm) are renamed along, to the new name with the same suffix, so that a
// stale journal is never applied to a new file created under the old name. Flushes the folder.
// Returns the new name; nothing when the file could not be renamed (missing, no permission).
std::optional<std::filesystem::path> MoveDamagedFileAside(const std::filesystem::path& file);

}  // namespace orvanta
