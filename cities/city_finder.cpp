#include "cities/city_finder.h"

#include "cities/city_database_check.h"
#include "cities/city_fold.h"
#include "cities/city_name.h"
#include "cities/search_key.h"
#include "cities/sqlite_db.h"
#include "cities/user_database.h"

namespace orvanta {
namespace {

// [?1, ?2) holds exactly the keys that start with ?1 and lets SQLite use the key indexes. ?4 is
// the whole key: the cities whose name or alias has exactly that key (within the range) come
// first, as the lookup would take them (most populous first), so the first offer is the city the
// lookup gives. The cities are found as a set of ids (no grouping of the matches), and only the
// exact alias of each, if any, is sought.
constexpr std::string_view kShippedSql =
    "SELECT c.name, c.country, c.region, c.latitude, c.longitude, z.iana_name, c.population"
    " FROM cities AS c LEFT JOIN zones AS z ON z.zone_index = c.zone_index"
    " WHERE c.city_id IN (SELECT city_id FROM cities WHERE search_key >= ?1 AND search_key < ?2"
    "   UNION ALL SELECT city_id FROM aliases WHERE search_key >= ?1 AND search_key < ?2)"
    " ORDER BY ?4 >= ?1 AND ?4 < ?2 AND (c.search_key = ?4 OR EXISTS (SELECT 1 FROM aliases AS a"
    "   WHERE a.search_key = ?4 AND a.city_id = c.city_id)) DESC,"
    " c.population DESC, c.city_id LIMIT ?3";

constexpr std::string_view kUserSql =
    "SELECT c.name, c.country, c.region, c.latitude, c.longitude, z.iana_name, c.population"
    " FROM user_cities AS c LEFT JOIN user_zones AS z ON z.zone_index = c.zone_index"
    " WHERE c.search_key >= ?1 AND c.search_key < ?2"
    " ORDER BY c.search_key = ?4 DESC, c.population DESC, c.city_id LIMIT ?3";

// Longer lists are of no use to a person reading them.
constexpr std::size_t kMaxLimit = 10000;

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Runs one of the two queries for the cities whose keys start with prefix (wholeKey: the key the
// lookup would use) and appends their rows; false when it fails.
bool AppendRows(const SqliteDb& db, std::string_view sql, const std::string& prefix,
                const std::string& wholeKey, std::size_t limit, bool userCity,
                std::vector<CityListing>& rows) {
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(db, sql);
    std::string upper = PrefixUpperBound(prefix);
    if (upper.empty()) {
        upper.assign(1, '\xFF');  // not reached by folded UTF-8 keys; keeps the query valid
        upper.append(prefix.size(), '\xFF');
    }
    if (!statement || !statement->BindText(1, prefix) || !statement->BindText(2, upper) ||
        !statement->BindInt64(3, static_cast<std::int64_t>(limit)) ||
        !statement->BindText(4, wholeKey)) {
        return false;
    }
    for (;;) {
        switch (statement->Step()) {
            case SqliteStatement::StepResult::kDone:
                return true;
            case SqliteStatement::StepResult::kError:
                return false;
            case SqliteStatement::StepResult::kRow:
                break;
        }
        CityListing row;
        row.name = statement->ColumnText(0).value_or("");
        if (!IsUsableCityName(row.name)) {
            continue;  // a damaged name could never be looked up again: leave it out
        }
        row.country = statement->ColumnText(1).value_or("");
        row.region = statement->ColumnText(2).value_or("");
        row.latitudeCode = statement->ColumnInt64(3).value_or(0);
        row.longitudeCode = statement->ColumnInt64(4).value_or(0);
        row.zoneName = statement->ColumnText(5).value_or("");
        row.population = statement->ColumnInt64(6).value_or(0);
        row.userCity = userCity;
        rows.push_back(std::move(row));
    }
}

// Appends the user's own cities. A damaged user.db is moved aside and has none.
bool AppendUserRows(const std::filesystem::path& path, const std::string& prefix,
                    const std::string& wholeKey, std::size_t limit, NoticeList* notices,
                    std::vector<CityListing>& rows) {
    bool damaged = false;
    {
        UserDatabaseReader reader = OpenUserDatabaseForReading(path, notices);
        if (reader.state != UserDatabaseReader::State::kOpen) {
            return reader.state == UserDatabaseReader::State::kAbsent;
        }
        const SqliteDb& user = *reader.db;
        const bool tables = HasTable(user, "user_cities") && HasTable(user, "user_zones");
        if (tables && AppendRows(user, kUserSql, prefix, wholeKey, limit, true, rows)) {
            return true;
        }
        damaged = user.LastErrorMeansDamagedFile();
        if (!tables && !damaged) {
            return true;  // a file without the tables yet holds no cities
        }
    }  // closed before a damaged file is moved
    rows.clear();
    if (!damaged) {
        return false;
    }
    SetDamagedUserDatabaseAside(path, notices);
    return true;
}

}  // namespace

CitySearchResult FindCitiesByPrefix(const std::filesystem::path& cityDatabase,
                                    const std::optional<std::filesystem::path>& userDatabase,
                                    std::string_view typed, std::size_t limit,
                                    NoticeList* notices) {
    CitySearchResult result;
    result.failure = CitySearchFailure::kCityDatabase;
    const std::optional<SqliteDb> cities =
        SqliteDb::Open(cityDatabase, SqliteOpenMode::kReadOnlyImmutable);
    if (!cities || !IsReadableCityDatabase(*cities, cityDatabase)) {
        return result;  // offers nothing from a file the lookup refuses
    }
    bool tableFailed = false;
    std::optional<std::string> key = SearchKeyOf(*cities, typed, tableFailed);
    if (tableFailed) {
        return result;
    }
    result.failure = CitySearchFailure::kNone;
    if (!key || key->empty() || limit == 0) {
        return result;
    }
    std::string prefix = *key;
    if (IsAsciiSpace(typed.back())) {
        prefix += ' ';  // the key drops trailing whitespace; a typed space ends a word
    }
    limit = std::min(limit, kMaxLimit);
    if (userDatabase && !AppendUserRows(*userDatabase, prefix, *key, limit, notices, result.rows)) {
        result.failure = CitySearchFailure::kUserDatabase;
        return result;
    }
    if (result.rows.size() < limit && !AppendRows(*cities, kShippedSql, prefix, *key,
                                                  limit - result.rows.size(), false, result.rows)) {
        result.rows.clear();
        result.failure = CitySearchFailure::kCityDatabase;
    }
    return result;
}

}  // namespace orvanta
