// The per-user database user.db: its tables, how it is opened for reading and for writing, and
// what happens to it when it is damaged or is not a regular file.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "cities/sqlite_db.h"
#include "common/notices.h"

namespace orvanta {

// user.db opened for reading.
struct UserDatabaseReader {
    enum class State {
        kOpen,    // db is open
        kAbsent,  // nothing to read: no file, or something that is not a regular file (told)
        kFailed,  // the file is there but cannot be opened
    };
    State state = State::kFailed;
    std::optional<SqliteDb> db;
};

// Opens user.db for reading: read-write when allowed, though only read, so that a hot journal
// left by a writer killed inside a transaction is rolled back instead of making the file
// unreadable; else read-only. Never creates the file. A path that is not a regular file adds a
// notice and reads as absent.
UserDatabaseReader OpenUserDatabaseForReading(const std::filesystem::path& path,
                                              NoticeList* notices);

// Moves a damaged user.db aside (user.db.damaged-<time>, kept, never deleted or overwritten)
// and adds a notice that names the file it was moved to. The connection must be closed first.
void SetDamagedUserDatabaseAside(const std::filesystem::path& path, NoticeList* notices);

// How a change of user.db ended.
enum class UserDatabaseWrite {
    kCommitted,   // the change returned kCommit and reached the file
    kRolledBack,  // the change returned kRollBack; nothing was written
    kNoFile,      // without create: there is no file (also when a damaged one was moved aside)
    kFailed,      // cannot be opened, locked or written; not a regular file (told)
};

// What a change asks for when it returns.
enum class UserDatabaseChange { kCommit, kRollBack, kFailed };

// Runs change in one write transaction of user.db (BEGIN IMMEDIATE .. COMMIT) after making sure
// its tables exist (home_city, user_zones, user_cities). With create, a missing folder is made
// with mode 0700 and a missing file with mode 0600. A file found damaged (not a database,
// corrupt) on opening, inside change (which returns kFailed) or on commit is moved aside with
// SetDamagedUserDatabaseAside; with create the whole runs once more on a new file.
UserDatabaseWrite ChangeUserDatabase(const std::filesystem::path& path, bool create,
                                     NoticeList* notices,
                                     const std::function<UserDatabaseChange(SqliteDb&)>& change);

// True when the open database holds the table of that name.
bool HasTable(const SqliteDb& db, const char* table);

}  // namespace orvanta
