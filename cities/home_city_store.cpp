#include "cities/home_city_store.h"

#include <string>
#include <utility>

#include "cities/city_name.h"
#include "cities/sqlite_db.h"
#include "cities/user_database.h"
#include "common/user_paths.h"

namespace orvanta {

std::optional<std::filesystem::path> DefaultUserDatabasePath() {
    std::optional<std::filesystem::path> folder = UserDataDir();
    if (!folder) {
        return std::nullopt;
    }
    return *folder / "user.db";
}

HomeCityStore::HomeCityStore(NoticeList* notices)
    : path_(DefaultUserDatabasePath()), notices_(notices) {}

HomeCityStore::HomeCityStore(std::filesystem::path userDatabasePath, NoticeList* notices)
    : path_(std::move(userDatabasePath)), notices_(notices) {}

bool HomeCityStore::ReadHomeCity(CityLocation& city) const {
    if (!path_) {
        return false;
    }
    std::optional<std::string> name;
    bool damaged = false;
    {
        UserDatabaseReader reader = OpenUserDatabaseForReading(*path_, notices_);
        if (reader.state != UserDatabaseReader::State::kOpen) {
            return false;  // reading never creates the file
        }
        std::optional<SqliteStatement> statement =
            SqliteStatement::Prepare(*reader.db, "SELECT name FROM home_city WHERE id = 1");
        if (statement && statement->Step() == SqliteStatement::StepResult::kRow) {
            name = statement->ColumnText(0);
        } else {
            damaged = reader.db->LastErrorMeansDamagedFile();  // else no table yet, or no row
        }
    }  // closed before a damaged file is moved
    if (damaged) {
        SetDamagedUserDatabaseAside(*path_, notices_);
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
    const auto store = [name](SqliteDb& db) {
        std::optional<SqliteStatement> statement =
            SqliteStatement::Prepare(db,
                                     "INSERT INTO home_city (id, name) VALUES (1, ?1)"
                                     " ON CONFLICT (id) DO UPDATE SET name = excluded.name");
        return statement && statement->BindText(1, name) &&
                       statement->Step() == SqliteStatement::StepResult::kDone
                   ? UserDatabaseChange::kCommit
                   : UserDatabaseChange::kFailed;
    };
    return ChangeUserDatabase(*path_, /*create=*/true, notices_, store) ==
           UserDatabaseWrite::kCommitted;
}

bool HomeCityStore::ClearHomeCity() const {
    if (!path_) {
        return true;  // without a data folder nothing can be stored
    }
    // A missing file stays missing; a damaged one is moved aside, and nothing is stored then.
    const auto clear = [](SqliteDb& db) {
        return db.Exec("DELETE FROM home_city") ? UserDatabaseChange::kCommit
                                                : UserDatabaseChange::kFailed;
    };
    switch (ChangeUserDatabase(*path_, /*create=*/false, notices_, clear)) {
        case UserDatabaseWrite::kCommitted:
        case UserDatabaseWrite::kNoFile:
            return true;
        case UserDatabaseWrite::kRolledBack:
        case UserDatabaseWrite::kFailed:
            break;
    }
    return false;
}

}  // namespace orvanta
