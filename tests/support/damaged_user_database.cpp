#include "tests/support/damaged_user_database.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "cities/sqlite_db.h"

namespace orvanta::testing_support {

namespace fs = std::filesystem;

bool MakeUserDatabaseWithOneBadPage(const fs::path& path) {
    std::int64_t root = 0;
    std::int64_t pageSize = 0;
    {
        std::optional<SqliteDb> db = SqliteDb::Open(path, SqliteOpenMode::kReadWriteCreate);
        // The tables of user.db that searching and adding use, with one city of the user's own.
        if (!db || !db->Exec(R"sql(
CREATE TABLE user_cities (city_id INTEGER PRIMARY KEY, name UNIQUE, search_key, country,
    country_code, region, latitude, longitude, zone_index, population);
CREATE INDEX user_cities_by_key ON user_cities (search_key, population DESC);
CREATE TABLE user_zones (zone_index INTEGER PRIMARY KEY, iana_name UNIQUE, bias_minutes,
    observes_dst);
INSERT INTO user_zones VALUES (1, 'Asia/Riyadh', -180, 0);
INSERT INTO user_cities VALUES (1, 'Mecca Own', 'mecca own', '', '', '', 2125, 3949, 1, 0);
)sql")) {
            return false;
        }
        std::optional<SqliteStatement> query = SqliteStatement::Prepare(
            *db,
            "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master"
            " WHERE name = 'user_cities_by_key'");
        if (!query || query->Step() != SqliteStatement::StepResult::kRow) {
            return false;
        }
        root = query->ColumnInt64(0).value_or(0);
        pageSize = query->ColumnInt64(1).value_or(0);
    }
    if (root < 2 || pageSize <= 0) {
        return false;
    }
    // "garbage!" over the whole page: its first byte is not a page type SQLite knows.
    std::string garbage;
    while (garbage.size() < static_cast<std::size_t>(pageSize)) {
        garbage += "garbage!";
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((root - 1) * pageSize);
    file.write(garbage.data(), pageSize);
    return static_cast<bool>(file.flush());
}

std::vector<fs::path> MovedAsideCopies(const fs::path& path) {
    std::vector<fs::path> copies;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(path.parent_path(), error)) {
        if (entry.path().filename().string().rfind(path.filename().string() + ".damaged-", 0) ==
            0) {
            copies.push_back(entry.path());
        }
    }
    return copies;
}

}  // namespace orvanta::testing_support
