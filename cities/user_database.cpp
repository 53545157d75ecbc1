#include "cities/user_database.h"

#include "common/damaged_file.h"
#include "common/private_folder.h"
#include "common/regular_file.h"

namespace orvanta {
namespace {

// The per-user tables. home_city holds at most one row (id 1). user_cities has the columns of
// the city database's cities table, for cities the user adds. Their zone_index refers to
// user_zones in this same file, never to the city database's zones: that file is rebuilt with
// each release and may number its zones differently.
constexpr const char* kUserSchemaSql = R"sql(
BEGIN IMMEDIATE;
CREATE TABLE IF NOT EXISTS home_city (
    id   INTEGER PRIMARY KEY CHECK (id = 1),
    name TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS user_cities (
    city_id      INTEGER PRIMARY KEY,
    name         TEXT NOT NULL UNIQUE,
    search_key   TEXT NOT NULL,
    country      TEXT NOT NULL,
    country_code TEXT NOT NULL,
    region       TEXT NOT NULL,
    latitude     INTEGER,
    longitude    INTEGER,
    zone_index   INTEGER,
    population   INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS user_cities_by_key ON user_cities (search_key, population DESC);
CREATE TABLE IF NOT EXISTS user_zones (
    zone_index   INTEGER PRIMARY KEY,
    iana_name    TEXT NOT NULL UNIQUE,
    bias_minutes INTEGER NOT NULL,
    observes_dst INTEGER NOT NULL
);
PRAGMA user_version = 2;
COMMIT;
)sql";

// Tells the user once that something other than a regular file sits at user.db.
void TellNotRegular(const std::filesystem::path& path, NoticeList* notices) {
    if (notices != nullptr) {
        notices->Add({NoticeKind::kUserDatabaseNotRegular, path.string(), {}, {}});
    }
}

enum class Attempt { kDone, kDamaged };

// One attempt of ChangeUserDatabase: result holds the outcome when kDone.
Attempt TryChange(const std::filesystem::path& path, bool create,
                  const std::function<UserDatabaseChange(SqliteDb&)>& change,
                  UserDatabaseWrite& result) {
    result = UserDatabaseWrite::kFailed;
    std::optional<SqliteDb> db = SqliteDb::Open(
        path, create ? SqliteOpenMode::kReadWriteCreate : SqliteOpenMode::kReadWrite);
    if (!db) {
        return Attempt::kDone;
    }
    if (!db->Exec(kUserSchemaSql) || !db->Exec("BEGIN IMMEDIATE")) {
        const bool damaged = db->LastErrorMeansDamagedFile();
        (void)db->Exec("ROLLBACK");
        return damaged ? Attempt::kDamaged : Attempt::kDone;
    }
    switch (change(*db)) {
        case UserDatabaseChange::kCommit:
            if (db->Exec("COMMIT")) {
                result = UserDatabaseWrite::kCommitted;
                return Attempt::kDone;
            }
            break;
        case UserDatabaseChange::kRollBack:
            (void)db->Exec("ROLLBACK");
            result = UserDatabaseWrite::kRolledBack;
            return Attempt::kDone;
        case UserDatabaseChange::kFailed:
            break;
    }
    const bool damaged = db->LastErrorMeansDamagedFile();
    (void)db->Exec("ROLLBACK");
    return damaged ? Attempt::kDamaged : Attempt::kDone;
}

}  // namespace

UserDatabaseReader OpenUserDatabaseForReading(const std::filesystem::path& path,
                                              NoticeList* notices) {
    UserDatabaseReader reader;
    switch (CheckRegularFile(path)) {
        case FileKind::kRegular:
            break;
        case FileKind::kMissing:
            reader.state = UserDatabaseReader::State::kAbsent;
            return reader;
        case FileKind::kNotRegular:
            TellNotRegular(path, notices);
            reader.state = UserDatabaseReader::State::kAbsent;
            return reader;
        case FileKind::kUnreadable:
            return reader;
    }
    reader.db = SqliteDb::Open(path, SqliteOpenMode::kReadWrite);
    if (!reader.db) {
        reader.db = SqliteDb::Open(path, SqliteOpenMode::kReadOnly);
    }
    reader.state =
        reader.db ? UserDatabaseReader::State::kOpen : UserDatabaseReader::State::kFailed;
    return reader;
}

void SetDamagedUserDatabaseAside(const std::filesystem::path& path, NoticeList* notices) {
    const std::optional<std::filesystem::path> movedTo = MoveDamagedFileAside(path);
    if (movedTo && notices != nullptr) {
        notices->Add({NoticeKind::kUserDatabaseMovedAside, path.string(), movedTo->string(), {}});
    }
}

UserDatabaseWrite ChangeUserDatabase(const std::filesystem::path& path, bool create,
                                     NoticeList* notices,
                                     const std::function<UserDatabaseChange(SqliteDb&)>& change) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const FileKind kind = CheckRegularFile(path);
        if (kind == FileKind::kNotRegular) {
            TellNotRegular(path, notices);
            return UserDatabaseWrite::kFailed;
        }
        if (kind == FileKind::kMissing && !create) {
            return UserDatabaseWrite::kNoFile;
        }
        if (create && path.has_parent_path() && !MakePrivateFolders(path.parent_path())) {
            return UserDatabaseWrite::kFailed;
        }
        UserDatabaseWrite result = UserDatabaseWrite::kFailed;
        if (TryChange(path, create, change, result) == Attempt::kDone) {
            return result;
        }
        // Damaged: kept aside, never deleted; with create the next attempt makes a new file,
        // without it the next attempt finds no file.
        SetDamagedUserDatabaseAside(path, notices);
        if (CheckRegularFile(path) != FileKind::kMissing) {
            return UserDatabaseWrite::kFailed;  // it could not be moved
        }
    }
    return UserDatabaseWrite::kFailed;
}

bool HasTable(const SqliteDb& db, const char* table) {
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(
        db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    return statement && statement->BindText(1, table) &&
           statement->Step() == SqliteStatement::StepResult::kRow;
}

}  // namespace orvanta
