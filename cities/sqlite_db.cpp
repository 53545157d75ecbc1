#include "cities/sqlite_db.h"

#include <fcntl.h>
#include <sqlite3.h>

#include <climits>
#include <system_error>

#include "common/regular_file.h"

namespace orvanta {
namespace {

// Percent-encodes a path for an SQLite "file:" URI: every byte outside the unreserved set and
// '/' is written as %HH, so '?', '#' and '%' in a file name cannot start a query or an escape.
std::string PathToUriPath(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size() + 16);
    for (const char ch : path) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~' || byte == '/';
        if (unreserved) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0x0F]);
        }
    }
    return out;
}

// True when path may be handed to SQLite: a regular file, or with create a missing one, which is
// then created here with mode 0600 (the user's files are the user's alone; SQLite would make it
// 0644 and give its journals the same mode). Anything else (a FIFO, whose opening or reading
// would wait for a writer; a device; a folder) is refused, and so is a journal that is not a
// regular file, which SQLite would open too.
bool IsOpenableDatabase(const std::filesystem::path& path, SqliteOpenMode mode) {
    const FileKind kind = CheckRegularFile(path);
    if (kind == FileKind::kMissing && mode == SqliteOpenMode::kReadWriteCreate) {
        if (OpenRegularFile(path, O_RDWR | O_CREAT, 0600).kind != FileKind::kRegular) {
            return false;
        }
    } else if (kind != FileKind::kRegular) {
        return false;
    }
    if (mode == SqliteOpenMode::kReadOnlyImmutable) {
        return true;  // no journal is read
    }
    for (const char* suffix : {"-journal", "-wal"}) {
        std::filesystem::path companion = path;
        companion += suffix;
        if (CheckRegularFile(companion) == FileKind::kNotRegular) {
            return false;
        }
    }
    return true;
}

// The page cache of an immutable database, in pages (see SqliteDb::Open).
constexpr const char* kImmutableCacheSql = "PRAGMA cache_size = 16";

}  // namespace

void UseSqliteForShortRuns() {
    // No bulk allocation for the page caches (pointer and size 0, initial pages 0), and no
    // count of the memory in use (a mutex and a sum at every allocation; nothing reads it).
    // Each returns SQLITE_MISUSE once SQLite is initialised, and then nothing changes.
    sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
}

void SqliteDb::Closer::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

std::optional<SqliteDb> SqliteDb::Open(const std::filesystem::path& path, SqliteOpenMode mode) {
    if (path.empty() || !IsOpenableDatabase(path, mode)) {
        return std::nullopt;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) {
        return std::nullopt;
    }
    // An absolute path keeps "file:" followed by "//" (an authority) out of the URI.
    std::string uri = "file:" + PathToUriPath(absolute.string());
    int flags = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    switch (mode) {
        case SqliteOpenMode::kReadOnly:
            flags |= SQLITE_OPEN_READONLY;
            break;
        case SqliteOpenMode::kReadOnlyImmutable:
            flags |= SQLITE_OPEN_READONLY;
            uri += "?immutable=1";
            break;
        case SqliteOpenMode::kReadWrite:
            flags |= SQLITE_OPEN_READWRITE;
            break;
        case SqliteOpenMode::kReadWriteCreate:
            flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
            break;
    }
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(uri.c_str(), &raw, flags, nullptr);
    SqliteDb db(raw);  // owns the handle even when the open failed
    if (rc != SQLITE_OK || raw == nullptr) {
        return std::nullopt;
    }
    // The files are data, not code: views and triggers in them may not call functions with
    // side effects, and the schema may not be altered through writable_schema.
    sqlite3_db_config(raw, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    if (mode == SqliteOpenMode::kReadOnlyImmutable) {
        // A lookup in the shipped database reads a few dozen scattered pages once each. With
        // the default cache (2000 KiB) every page read takes fresh memory (a page fault, about
        // as dear as the read); sixteen pages, recycled least recently used first, hold the
        // pages a statement's cursors keep (SQLite adds more when all are in use).
        sqlite3_exec(raw, kImmutableCacheSql, nullptr, nullptr, nullptr);
    } else {
        // Another process (a second copy of the program) may be writing the file briefly.
        sqlite3_busy_timeout(raw, 2000);
    }
    return db;
}

bool SqliteDb::Exec(const std::string& sql) {
    return sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteDb::LastErrorMeansDamagedFile() const {
    const int code = sqlite3_errcode(db_.get()) & 0xFF;  // the primary code of an extended one
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

void SqliteStatement::Finalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

std::optional<SqliteStatement> SqliteStatement::Prepare(const SqliteDb& db, std::string_view sql) {
    if (sql.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    sqlite3_stmt* raw = nullptr;
    const int rc =
        sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    SqliteStatement statement(raw);
    if (rc != SQLITE_OK || raw == nullptr) {
        return std::nullopt;
    }
    return statement;
}

bool SqliteStatement::BindText(int index, std::string_view text) {
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    return sqlite3_bind_text(statement_.get(), index, text.data(), static_cast<int>(text.size()),
                             SQLITE_TRANSIENT) == SQLITE_OK;
}

bool SqliteStatement::BindInt64(int index, std::int64_t value) {
    return sqlite3_bind_int64(statement_.get(), index, static_cast<sqlite3_int64>(value)) ==
           SQLITE_OK;
}

SqliteStatement::StepResult SqliteStatement::Step() {
    switch (sqlite3_step(statement_.get())) {
        case SQLITE_ROW:
            return StepResult::kRow;
        case SQLITE_DONE:
            return StepResult::kDone;
        default:
            return StepResult::kError;
    }
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_.get());
    sqlite3_clear_bindings(statement_.get());
}

std::optional<std::int64_t> SqliteStatement::ColumnInt64(int column) const {
    if (sqlite3_column_type(statement_.get(), column) != SQLITE_INTEGER) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(sqlite3_column_int64(statement_.get(), column));
}

std::optional<std::string> SqliteStatement::ColumnText(int column) const {
    if (sqlite3_column_type(statement_.get(), column) != SQLITE_TEXT) {
        return std::nullopt;
    }
    const unsigned char* text = sqlite3_column_text(statement_.get(), column);
    const int bytes = sqlite3_column_bytes(statement_.get(), column);
    if (text == nullptr || bytes < 0) {
        return std::nullopt;  // out of memory while converting
    }
    return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes));
}

}  // namespace orvanta
