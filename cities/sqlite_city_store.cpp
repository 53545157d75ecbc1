#include "cities/sqlite_city_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "cities/city_database_check.h"
#include "cities/city_decode.h"
#include "cities/city_fold.h"
#include "cities/city_name.h"
#include "cities/search_key.h"
#include "cities/sqlite_db.h"
#include "cities/user_cities.h"

namespace orvanta {
namespace {

// Search keys of display names are unique in a database built from the schema; should one
// hold a key twice, the most populous city wins, and city_id settles equal populations.
constexpr std::string_view kByNameSql =
    "SELECT name, latitude, longitude, zone_index FROM cities"
    " WHERE search_key = ?1 ORDER BY population DESC, city_id LIMIT 1";

constexpr std::string_view kByAliasSql =
    "SELECT c.name, c.latitude, c.longitude, c.zone_index"
    " FROM aliases AS a JOIN cities AS c ON c.city_id = a.city_id"
    " WHERE a.search_key = ?1 ORDER BY c.population DESC, c.city_id LIMIT 1";

constexpr std::string_view kZoneSql =
    "SELECT iana_name, bias_minutes, observes_dst FROM zones WHERE zone_index = ?1";

// The statements of one lookup, compiled against one open connection.
struct LookupStatements {
    SqliteStatement fold;
    SqliteStatement byName;
    SqliteStatement byAlias;
    SqliteStatement zone;
};

std::optional<LookupStatements> PrepareAll(const SqliteDb& db) {
    std::optional<SqliteStatement> fold = SqliteStatement::Prepare(db, kFoldSql);
    std::optional<SqliteStatement> byName = SqliteStatement::Prepare(db, kByNameSql);
    std::optional<SqliteStatement> byAlias = SqliteStatement::Prepare(db, kByAliasSql);
    std::optional<SqliteStatement> zone = SqliteStatement::Prepare(db, kZoneSql);
    if (!fold || !byName || !byAlias || !zone) {
        return std::nullopt;
    }
    return LookupStatements{std::move(*fold), std::move(*byName), std::move(*byAlias),
                            std::move(*zone)};
}

enum class QueryOutcome { kRow, kNoRow, kError };

// Steps a one-row query whose parameter bound (or failed to bind); on a row, readRow takes its
// columns.
template <typename ReadRow>
QueryOutcome StepOneRow(SqliteStatement& statement, bool bound, ReadRow readRow) {
    if (!bound) {
        return QueryOutcome::kError;
    }
    switch (statement.Step()) {
        case SqliteStatement::StepResult::kRow:
            readRow();
            return QueryOutcome::kRow;
        case SqliteStatement::StepResult::kDone:
            return QueryOutcome::kNoRow;
        case SqliteStatement::StepResult::kError:
            break;
    }
    return QueryOutcome::kError;
}

// Runs a one-row query for a text key and reads the city columns of its row.
QueryOutcome QueryCity(SqliteStatement& statement, const std::string& key, StoredCity& city) {
    statement.Reset();
    return StepOneRow(statement, statement.BindText(1, key), [&] {
        city.name = statement.ColumnText(0);
        city.latitude = statement.ColumnInt64(1);
        city.longitude = statement.ColumnInt64(2);
        city.zoneIndex = statement.ColumnInt64(3);
    });
}

QueryOutcome QueryZone(SqliteStatement& statement, std::int64_t zoneIndex, StoredZone& zone) {
    statement.Reset();
    return StepOneRow(statement, statement.BindInt64(1, zoneIndex), [&] {
        zone.ianaName = statement.ColumnText(0);
        zone.biasMinutes = statement.ColumnInt64(1);
        zone.observesDst = statement.ColumnInt64(2);
    });
}

// The whole lookup against one connection: on Found, found holds the complete record.
CityLookupStatus FindCity(const SqliteDb& db, const std::filesystem::path& path,
                          const std::optional<std::filesystem::path>& userDatabase,
                          NoticeList* notices, const std::string& name,
                          std::optional<CityLocation>& found) {
    if (!IsReadableCityDatabase(db, path)) {
        return CityLookupStatus::kDatabaseUnavailable;
    }
    // Compiling every statement first checks that the tables and columns are there, and makes
    // SQLite read the schema, which fails for a file that is not a database or is damaged.
    std::optional<LookupStatements> statements = PrepareAll(db);
    if (!statements) {
        return CityLookupStatus::kDatabaseUnavailable;
    }
    if (!IsUsableCityName(name)) {
        return CityLookupStatus::kNotFound;
    }
    const std::optional<std::u32string> codePoints = DecodeUtf8(name);
    if (!codePoints) {
        return CityLookupStatus::kNotFound;
    }
    DatabaseFold fold(statements->fold);
    const std::optional<std::string> key = MakeSearchKey(*codePoints, std::ref(fold));
    if (!key) {
        return CityLookupStatus::kDatabaseUnavailable;
    }
    if (key->empty()) {
        return CityLookupStatus::kNotFound;
    }
    // The user's own cities come first, so that a village added by the user wins over a
    // shipped city of the same name.
    if (userDatabase) {
        CityLocation userCity;
        switch (FindUserCity(*userDatabase, *key, userCity, notices)) {
            case UserCityFind::kFound:
                found = std::move(userCity);
                return CityLookupStatus::kFound;
            case UserCityFind::kFailed:
                return CityLookupStatus::kDatabaseUnavailable;
            case UserCityFind::kNone:
                break;
        }
    }

    StoredCity city;
    QueryOutcome outcome = QueryCity(statements->byName, *key, city);
    if (outcome == QueryOutcome::kNoRow) {
        outcome = QueryCity(statements->byAlias, *key, city);
    }
    if (outcome == QueryOutcome::kError) {
        return CityLookupStatus::kDatabaseUnavailable;
    }
    if (outcome == QueryOutcome::kNoRow || !city.zoneIndex) {
        return CityLookupStatus::kNotFound;
    }

    StoredZone zone;
    switch (QueryZone(statements->zone, *city.zoneIndex, zone)) {
        case QueryOutcome::kRow:
            break;
        case QueryOutcome::kNoRow:
            return CityLookupStatus::kNotFound;  // the city names a zone that is not there
        case QueryOutcome::kError:
            return CityLookupStatus::kDatabaseUnavailable;
    }
    found = DecodeStoredCity(city, zone);
    return found ? CityLookupStatus::kFound : CityLookupStatus::kNotFound;
}

}  // namespace

SqliteCityStore::SqliteCityStore(std::filesystem::path databasePath, bool immutable,
                                 std::optional<std::filesystem::path> userDatabasePath,
                                 NoticeList* notices)
    : databasePath_(std::move(databasePath)),
      immutable_(immutable),
      userDatabasePath_(std::move(userDatabasePath)),
      notices_(notices) {}

CityLookupStatus SqliteCityStore::LookUp(CityLocation& city) const {
    CityLookupStatus status = CityLookupStatus::kDatabaseUnavailable;
    std::optional<CityLocation> found;
    {
        // The connection lives only for this lookup. Only a regular file is opened.
        const std::optional<SqliteDb> db =
            SqliteDb::Open(databasePath_, immutable_ ? SqliteOpenMode::kReadOnlyImmutable
                                                     : SqliteOpenMode::kReadOnly);
        if (db) {
            status = FindCity(*db, databasePath_, userDatabasePath_, notices_, city.name, found);
        }
    }
    if (status == CityLookupStatus::kFound) {
        city = std::move(*found);  // the record changes only on success
    }
    return status;
}

}  // namespace orvanta
