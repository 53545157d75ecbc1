#include "cities/city_database_check.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>

namespace orvanta {
namespace {

// The schema version (PRAGMA user_version) of data/schema.sql that this program reads.
constexpr std::int64_t kCityDatabaseSchemaVersion = 1;

// The integer that a one-row, one-column query gives; nothing when it fails.
std::optional<std::int64_t> QueryInteger(const SqliteDb& db, std::string_view sql) {
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(db, sql);
    if (!statement || statement->Step() != SqliteStatement::StepResult::kRow) {
        return std::nullopt;
    }
    return statement->ColumnInt64(0);
}

bool FileHoldsEveryPage(const SqliteDb& db, const std::filesystem::path& path) {
    const std::optional<std::int64_t> pageCount = QueryInteger(db, "PRAGMA page_count");
    const std::optional<std::int64_t> pageSize = QueryInteger(db, "PRAGMA page_size");
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, error);
    if (!pageCount || !pageSize || error || *pageCount < 0 || *pageSize <= 0) {
        return false;
    }
    return fileSize / static_cast<std::uintmax_t>(*pageSize) >=
           static_cast<std::uintmax_t>(*pageCount);
}

}  // namespace

bool IsReadableCityDatabase(const SqliteDb& db, const std::filesystem::path& path) {
    return FileHoldsEveryPage(db, path) &&
           QueryInteger(db, "PRAGMA user_version") == kCityDatabaseSchemaVersion;
}

}  // namespace orvanta
