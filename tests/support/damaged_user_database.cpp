#include "tests/support/damaged_user_database.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "cities/sqlite_db.h"

namespace orvanta::testing_support {
namespace {

namespace fs = std::filesystem;

std::optional<std::int64_t> QueryInteger(const SqliteDb& db, const char* sql) {
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(db, sql);
    if (!statement || statement->Step() != SqliteStatement::StepResult::Row) {
        return std::nullopt;
    }
    return statement->ColumnInt64(0);
}

// The tables as user.db keeps them, with the rows the damaged copy starts from.
constexpr const char* kUserDatabaseSql = R"sql(
CREATE TABLE home_city (id INTEGER PRIMARY KEY CHECK (id = 1), name TEXT NOT NULL);
CREATE TABLE user_cities (city_id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE,
    search_key TEXT NOT NULL, country TEXT NOT NULL, country_code TEXT NOT NULL,
    region TEXT NOT NULL, latitude INTEGER, longitude INTEGER, zone_index INTEGER,
    population INTEGER NOT NULL DEFAULT 0);
CREATE INDEX user_cities_by_key ON user_cities (search_key, population DESC);
CREATE TABLE user_zones (zone_index INTEGER PRIMARY KEY, iana_name TEXT NOT NULL UNIQUE,
    bias_minutes INTEGER NOT NULL, observes_dst INTEGER NOT NULL);
PRAGMA user_version = 2;
INSERT INTO home_city VALUES (1, 'Mecca');
INSERT INTO user_zones VALUES (1, 'Asia/Riyadh', -180, 0);
INSERT INTO user_cities VALUES (1, 'Own Town 0', 'own town 0', '', '', '', 2125, 3949, 1, 0),
    (2, 'Own Town 1', 'own town 1', '', '', '', 2125, 3949, 1, 0),
    (3, 'Mecca Own', 'mecca own', '', '', '', 2125, 3949, 1, 0);
)sql";

}  // namespace

bool MakeUserDatabaseWithOneBadPage(const fs::path& path) {
    std::optional<std::int64_t> root;
    std::optional<std::int64_t> pageSize;
    {
        std::optional<SqliteDb> db = SqliteDb::Open(path, SqliteOpenMode::ReadWriteCreate);
        if (!db || !db->Exec(kUserDatabaseSql)) {
            return false;
        }
        root = QueryInteger(*db,
                            "SELECT rootpage FROM sqlite_master WHERE name = 'user_cities_by_key'");
        pageSize = QueryInteger(*db, "PRAGMA page_size");
    }
    if (!root || !pageSize || *root < 2 || *pageSize <= 0) {
        return false;
    }
    // "garbage!" over the whole page: its first byte is not a page type SQLite knows.
    std::string garbage;
    while (garbage.size() < static_cast<std::size_t>(*pageSize)) {
        garbage += "garbage!";
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((*root - 1) * *pageSize);
    file.write(garbage.data(), *pageSize);
    return static_cast<bool>(file.flush());
}

std::vector<fs::path> MovedAsideCopies(const fs::path& path) {
    std::vector<fs::path> copies;
    const std::string prefix = path.filename().string() + ".damaged-";
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(path.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && name.find("-journal") == std::string::npos &&
            name.find("-wal") == std::string::npos && name.find("-shm") == std::string::npos) {
            copies.push_back(entry.path());
        }
    }
    return copies;
}

}  // namespace orvanta::testing_support
