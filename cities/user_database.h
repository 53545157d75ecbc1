// The per-user database user.db: its tables and how it is opened for writing.
#pragma once

#include <filesystem>
#include <optional>

#include "cities/sqlite_db.h"

namespace orvanta {

// Opens the per-user database for writing and makes sure its tables exist (home_city,
// user_zones, user_cities). With create set, the folder and the file are created when missing;
// without it, a missing file fails. A file that is not a database or is corrupt is moved aside
// (user.db.damaged-<time>, never deleted or overwritten) and, with create, a new one is made.
// Nothing when the file cannot be opened.
std::optional<SqliteDb> OpenUserDatabaseForWriting(const std::filesystem::path& path, bool create);

// True when the open database holds the table of that name.
bool HasTable(const SqliteDb& db, const char* table);

}  // namespace orvanta
