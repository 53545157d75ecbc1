#include "cities/user_cities.h"

#include <cmath>

#include "cities/city_decode.h"
#include "cities/city_fold.h"
#include "cities/city_name.h"
#include "cities/user_database.h"
#include "common/visible_text.h"

namespace orvanta {
namespace {

// The search key of name through the city database; CityDatabaseFailed or InvalidInput in
// status when there is none.
std::optional<std::string> KeyOf(const std::filesystem::path& cityDatabase, std::string_view name,
                                 UserCityChange& status) {
    if (!IsUsableCityName(name)) {
        status = UserCityChange::kInvalidInput;
        return std::nullopt;
    }
    const std::optional<SqliteDb> db =
        SqliteDb::Open(cityDatabase, SqliteOpenMode::kReadOnlyImmutable);
    if (!db) {
        status = UserCityChange::kCityDatabaseFailed;
        return std::nullopt;
    }
    bool tableFailed = false;
    std::optional<std::string> key = SearchKeyOf(*db, name, tableFailed);
    if (!key) {
        status = tableFailed ? UserCityChange::kCityDatabaseFailed : UserCityChange::kInvalidInput;
        return std::nullopt;
    }
    if (key->empty()) {
        status = UserCityChange::kInvalidInput;
        return std::nullopt;
    }
    return key;
}

bool StepDone(SqliteStatement& statement) {
    return statement.Step() == SqliteStatement::StepResult::kDone;
}

// Inside the write transaction: refuses a taken name (status NameTaken, rolled back), else
// inserts the city and its zone row.
UserDatabaseChange InsertUserCity(SqliteDb& db, const NewUserCity& city, const std::string& key,
                                  UserCityChange& status) {
    std::optional<SqliteStatement> taken = SqliteStatement::Prepare(
        db, "SELECT 1 FROM user_cities WHERE search_key = ?1 OR name = ?2");
    if (!taken || !taken->BindText(1, key) || !taken->BindText(2, city.name)) {
        return UserDatabaseChange::kFailed;
    }
    switch (taken->Step()) {
        case SqliteStatement::StepResult::kRow:
            status = UserCityChange::kNameTaken;
            return UserDatabaseChange::kRollBack;
        case SqliteStatement::StepResult::kError:
            return UserDatabaseChange::kFailed;
        case SqliteStatement::StepResult::kDone:
            break;
    }
    // One zone row per zone name; its offsets are refreshed by each city added with it.
    std::optional<SqliteStatement> zone = SqliteStatement::Prepare(
        db,
        "INSERT INTO user_zones (iana_name, bias_minutes, observes_dst) VALUES (?1, ?2, ?3)"
        " ON CONFLICT (iana_name) DO UPDATE SET bias_minutes = excluded.bias_minutes,"
        " observes_dst = excluded.observes_dst");
    if (!zone || !zone->BindText(1, city.zoneName) || !zone->BindInt64(2, city.biasMinutes) ||
        !zone->BindInt64(3, city.observesDst ? 1 : 0) || !StepDone(*zone)) {
        return UserDatabaseChange::kFailed;
    }
    std::optional<SqliteStatement> insert = SqliteStatement::Prepare(
        db,
        "INSERT INTO user_cities (name, search_key, country, country_code, region, latitude,"
        " longitude, zone_index, population)"
        " SELECT ?1, ?2, '', '', '', ?3, ?4, zone_index, 0 FROM user_zones WHERE iana_name = ?5");
    if (!insert || !insert->BindText(1, city.name) || !insert->BindText(2, key) ||
        !insert->BindInt64(3, CoordinateCode(city.latitudeDeg)) ||
        !insert->BindInt64(4, CoordinateCode(city.longitudeDeg)) ||
        !insert->BindText(5, city.zoneName) || !StepDone(*insert)) {
        return UserDatabaseChange::kFailed;
    }
    return UserDatabaseChange::kCommit;
}

// Inside the write transaction: deletes the user's city with that key and the zone rows no
// city uses any more; rolled back when there is no such city.
UserDatabaseChange DeleteUserCity(SqliteDb& db, const std::string& key) {
    std::optional<SqliteStatement> remove =
        SqliteStatement::Prepare(db, "DELETE FROM user_cities WHERE search_key = ?1");
    if (!remove || !remove->BindText(1, key) || !StepDone(*remove)) {
        return UserDatabaseChange::kFailed;
    }
    std::optional<SqliteStatement> changes = SqliteStatement::Prepare(db, "SELECT changes()");
    if (!changes || changes->Step() != SqliteStatement::StepResult::kRow) {
        return UserDatabaseChange::kFailed;
    }
    if (changes->ColumnInt64(0).value_or(0) == 0) {
        return UserDatabaseChange::kRollBack;
    }
    return db.Exec(
               "DELETE FROM user_zones WHERE zone_index NOT IN"
               " (SELECT zone_index FROM user_cities WHERE zone_index IS NOT NULL)")
               ? UserDatabaseChange::kCommit
               : UserDatabaseChange::kFailed;
}

}  // namespace

std::int64_t CoordinateCode(double degrees) {
    const long long totalMinutes = std::llround(std::fabs(degrees) * 60.0);
    const std::int64_t code = (totalMinutes / 60) * 100 + totalMinutes % 60;
    return degrees < 0.0 ? -code : code;
}

UserCityChange AddUserCity(const std::filesystem::path& cityDatabase,
                           const std::filesystem::path& userDatabase, const NewUserCity& city,
                           NoticeList* notices) {
    if (!std::isfinite(city.latitudeDeg) || !std::isfinite(city.longitudeDeg) ||
        std::fabs(city.latitudeDeg) > 90.0 || std::fabs(city.longitudeDeg) > 180.0 ||
        city.zoneName.empty() || !IsPlausibleZoneName(city.zoneName) ||
        std::abs(city.biasMinutes) > kMaxBiasMinutes) {
        return UserCityChange::kInvalidInput;
    }
    // A name is shown on terminals and written into calendar files: no control characters.
    if (HasControlCharacter(city.name)) {
        return UserCityChange::kInvalidInput;
    }
    UserCityChange status = UserCityChange::kDone;
    const std::optional<std::string> key = KeyOf(cityDatabase, city.name, status);
    if (!key) {
        return status;
    }
    const UserDatabaseWrite write =
        ChangeUserDatabase(userDatabase, /*create=*/true, notices,
                           [&](SqliteDb& db) { return InsertUserCity(db, city, *key, status); });
    switch (write) {
        case UserDatabaseWrite::kCommitted:
            return UserCityChange::kDone;
        case UserDatabaseWrite::kRolledBack:
            return status;
        case UserDatabaseWrite::kNoFile:
        case UserDatabaseWrite::kFailed:
            break;
    }
    return UserCityChange::kUserDatabaseFailed;
}

UserCityChange RemoveUserCity(const std::filesystem::path& cityDatabase,
                              const std::filesystem::path& userDatabase, std::string_view name,
                              NoticeList* notices) {
    UserCityChange status = UserCityChange::kDone;
    const std::optional<std::string> key = KeyOf(cityDatabase, name, status);
    if (!key) {
        return status == UserCityChange::kInvalidInput ? UserCityChange::kNotFound : status;
    }
    // A missing file is not created for a removal; a damaged one is moved aside, and the city
    // is no longer among the user's then.
    switch (ChangeUserDatabase(userDatabase, /*create=*/false, notices,
                               [&](SqliteDb& db) { return DeleteUserCity(db, *key); })) {
        case UserDatabaseWrite::kCommitted:
            return UserCityChange::kDone;
        case UserDatabaseWrite::kRolledBack:
        case UserDatabaseWrite::kNoFile:
            return UserCityChange::kNotFound;
        case UserDatabaseWrite::kFailed:
            break;
    }
    return UserCityChange::kUserDatabaseFailed;
}

UserCityFind FindUserCity(const std::filesystem::path& userDatabase, const std::string& key,
                          CityLocation& found, NoticeList* notices) {
    UserDatabaseReader reader = OpenUserDatabaseForReading(userDatabase, notices);
    switch (reader.state) {
        case UserDatabaseReader::State::kOpen:
            break;
        case UserDatabaseReader::State::kAbsent:
            return UserCityFind::kNone;
        case UserDatabaseReader::State::kFailed:
            return UserCityFind::kFailed;
    }
    std::optional<SqliteDb>& db = reader.db;
    if (!HasTable(*db, "user_cities") || !HasTable(*db, "user_zones")) {
        if (db->LastErrorMeansDamagedFile()) {
            // A damaged user.db must not take the shipped cities down with it: it is moved
            // aside (kept, never deleted) and has no cities of its own.
            db.reset();
            SetDamagedUserDatabaseAside(userDatabase, notices);
        }
        return UserCityFind::kNone;
    }
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(
        *db,
        "SELECT c.name, c.latitude, c.longitude, c.zone_index, z.iana_name, z.bias_minutes,"
        " z.observes_dst FROM user_cities AS c JOIN user_zones AS z"
        " ON z.zone_index = c.zone_index WHERE c.search_key = ?1 ORDER BY c.city_id LIMIT 1");
    if (!statement || !statement->BindText(1, key)) {
        return UserCityFind::kFailed;
    }
    switch (statement->Step()) {
        case SqliteStatement::StepResult::kDone:
            return UserCityFind::kNone;
        case SqliteStatement::StepResult::kError:
            if (db->LastErrorMeansDamagedFile()) {
                statement.reset();
                db.reset();
                SetDamagedUserDatabaseAside(userDatabase, notices);
                return UserCityFind::kNone;
            }
            return UserCityFind::kFailed;
        case SqliteStatement::StepResult::kRow:
            break;
    }
    const StoredCity city{statement->ColumnText(0), statement->ColumnInt64(1),
                          statement->ColumnInt64(2), statement->ColumnInt64(3)};
    const StoredZone zone{statement->ColumnText(4), statement->ColumnInt64(5),
                          statement->ColumnInt64(6)};
    std::optional<CityLocation> decoded = DecodeStoredCity(city, zone);
    if (!decoded) {
        return UserCityFind::kNone;
    }
    found = std::move(*decoded);
    return UserCityFind::kFound;
}

}  // namespace orvanta
