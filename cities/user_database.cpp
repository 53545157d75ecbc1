#include "cities/user_database.h"

#include <system_error>

#include "common/damaged_file.h"

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

}  // namespace

std::optional<SqliteDb> OpenUserDatabaseForWriting(const std::filesystem::path& path, bool create) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (create && path.has_parent_path()) {
            std::error_code error;
            std::filesystem::create_directories(path.parent_path(), error);
            if (error) {
                return std::nullopt;
            }
        }
        std::optional<SqliteDb> db = SqliteDb::Open(
            path, create ? SqliteOpenMode::ReadWriteCreate : SqliteOpenMode::ReadWrite);
        if (!db) {
            return std::nullopt;
        }
        if (db->Exec(kUserSchemaSql)) {
            return db;
        }
        const bool damaged = db->LastErrorMeansDamagedFile();
        (void)db->Exec("ROLLBACK");
        db.reset();  // closed before the file is moved
        // A file that is not a database or is corrupt is moved aside (never deleted), and with
        // create a new one is made in its place. A busy or unreadable file is left alone.
        if (!damaged || !MoveDamagedFileAside(path) || !create) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool HasTable(const SqliteDb& db, const char* table) {
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(
        db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    return statement && statement->BindText(1, table) &&
           statement->Step() == SqliteStatement::StepResult::Row;
}

}  // namespace orvanta
