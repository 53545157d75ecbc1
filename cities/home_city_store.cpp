#include "cities/home_city_store.h"

#include <string>
#include <system_error>
#include <utility>

#include "cities/city_name.h"
#include "cities/sqlite_db.h"
#include "cities/user_database.h"
#include "common/damaged_file.h"
#include "common/user_paths.h"

namespace orvanta {
namespace {

// Moves a damaged user.db aside (user.db.damaged-<time>) so that the next write starts a new
// file; the old one stays for the user to inspect or restore.
void MoveDamagedAside(const std::filesystem::path& path) {
    (void)MoveDamagedFileAside(path);
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
    std::optional<SqliteDb> db = OpenUserDatabaseForWriting(*path_, /*create=*/true);
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
    std::optional<SqliteDb> db = OpenUserDatabaseForWriting(*path_, /*create=*/false);
    if (!db) {
        return !FileExists(*path_);  // a damaged file was moved aside: nothing is stored now
    }
    return db->Exec("DELETE FROM home_city");
}

}  // namespace orvanta
