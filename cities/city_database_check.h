// Whether an open city database can be read as this program's schema, the same test for the
// lookup of a name and for the search of names being typed: what one refuses, the other must
// not offer.
#pragma once

#include <filesystem>

#include "cities/sqlite_db.h"

namespace orvanta {

// Given the open shipped city database and its path, returns true when the file holds every
// page its header counts (SQLite reads the missing part of a file cut inside its last page as
// zeros, which would give wrong values rather than an error) and its schema version (PRAGMA
// user_version) is the one data/schema.sql writes. A file of another version may keep
// coordinates or zones in another form; reading it as this one would give a wrong place.
bool IsReadableCityDatabase(const SqliteDb& db, const std::filesystem::path& path);

}  // namespace orvanta
