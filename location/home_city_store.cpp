#include "location/home_city_store.h"

#include <string>
#include <system_error>
#include <utility>

#include "location/city_name.h"
#include "location/damaged_file.h"
#include "location/sqlite_db.h"
#include "location/user_paths.h"

namespace orvanta {
namespace {

// The per-user tables. home_city holds at most one row (id 1). user_cities has the columns of
// the city database's cities table, for cities the user adds; zone_index refers to the zones
// of the city database, which lives in another file, so it carries no foreign key.
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
PRAGMA user_version = 1;
COMMIT;
)sql";

// Moves a damaged user.db aside (user.db.damaged-<time>) so that the next write starts a new
// file; the old one stays for the user to inspect or restore. Only for files SQLite found not
// to be a database or corrupt, never for a busy or unreadable one.
void MoveDamagedAside(const std::filesystem::path& path) {
    (void)MoveDamagedFileAside(path);
}

// Opens the user database for writing, creating the folder and the file when create is set,
// and makes sure its tables exist. A file that is not a database or is corrupt is moved aside
// first (and, with create, a new one made in its place). Nothing on failure.
std::optional<SqliteDb> OpenForWriting(const std::filesystem::path& path, bool create,
                                       bool retried = false) {
    if (create && path.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) {
            return std::nullopt;
        }
    }
    std::optional<SqliteDb> db =
        SqliteDb::Open(path, create ? SqliteOpenMode::ReadWriteCreate : SqliteOpenMode::ReadWrite);
    if (!db) {
        return std::nullopt;
    }
    if (!db->Exec(kUserSchemaSql)) {
        const bool damaged = db->LastErrorMeansDamagedFile();
        (void)db->Exec("ROLLBACK");
        db.reset();  // closed before the file is moved
        if (damaged && !retried) {
            MoveDamagedAside(path);
            return create ? OpenForWriting(path, create, /*retried=*/true) : std::nullopt;
        }
        return std::nullopt;
    }
    return db;
}

bool FileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

std::optional<std::filesystem::path> DefaultUserDatabasePath() {
    std::optional<std::filesystem::path> folder = UserDataDir();
    if (!folder) {
        return std::nullopt;
    }
    return *folder / "user.db";
}

HomeCityStore::HomeCityStore() : path_(DefaultUserDatabasePath()) {}

HomeCityStore::HomeCityStore(std::filesystem::path userDatabasePath)
    : path_(std::move(userDatabasePath)) {}

bool HomeCityStore::ReadHomeCity(CityLocation& city) const {
    if (!path_ || !FileExists(*path_)) {
        return false;  // reading never creates the file
    }
    std::optional<std::string> name;
    bool damaged = false;
    {
        // Read-write when allowed, though only read: a writer killed inside a transaction
        // leaves a hot journal, which a read-only connection cannot roll back and so refuses
        // to read past; a read-write one rolls it back and reads the last committed home city.
        std::optional<SqliteDb> db = SqliteDb::Open(*path_, SqliteOpenMode::ReadWrite);
        if (!db) {
            db = SqliteDb::Open(*path_, SqliteOpenMode::ReadOnly);
        }
        if (!db) {
            return false;
        }
        std::optional<SqliteStatement> statement =
            SqliteStatement::Prepare(*db, "SELECT name FROM home_city WHERE id = 1");
        if (statement && statement->Step() == SqliteStatement::StepResult::Row) {
            name = statement->ColumnText(0);
        } else {
            damaged = db->LastErrorMeansDamagedFile();  // else no table yet, or no row
        }
    }  // closed before a damaged file is moved
    if (damaged) {
        MoveDamagedAside(*path_);
        return false;
    }
    if (!name || !IsUsableCityName(*name)) {
        return false;
    }
    city.name = std::move(*name);
    return true;
}

bool HomeCityStore::SetHomeCity(std::string_view name) const {
    if (!path_ || !IsUsableCityName(name)) {
        return false;
    }
    std::optional<SqliteDb> db = OpenForWriting(*path_, /*create=*/true);
    if (!db) {
        return false;
    }
    std::optional<SqliteStatement> statement =
        SqliteStatement::Prepare(*db,
                                 "INSERT INTO home_city (id, name) VALUES (1, ?1)"
                                 " ON CONFLICT (id) DO UPDATE SET name = excluded.name");
    return statement && statement->BindText(1, name) &&
           statement->Step() == SqliteStatement::StepResult::Done;
}

bool HomeCityStore::ClearHomeCity() const {
    if (!path_) {
        return true;  // without a data folder nothing can be stored
    }
    if (!FileExists(*path_)) {
        return true;  // nothing stored; the file is not created for a removal
    }
    std::optional<SqliteDb> db = OpenForWriting(*path_, /*create=*/false);
    if (!db) {
        return !FileExists(*path_);  // a damaged file was moved aside: nothing is stored now
    }
    return db->Exec("DELETE FROM home_city");
}

}  // namespace orvanta
