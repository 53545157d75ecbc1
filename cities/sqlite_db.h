// A small owning wrapper over an SQLite connection and its prepared statements. Nothing here
// throws: every operation that can fail reports it in its result.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace orvanta {

// How a database file is opened.
enum class SqliteOpenMode {
    // Read only; the file must exist. Locking and change detection stay on.
    kReadOnly,
    // Read only, and the file is declared immutable (no locks, no journal, no change
    // detection): only for a file that nothing writes while it is open. Its pages are read
    // with pread, not through a memory mapping: a short run reads a few dozen scattered pages,
    // and mapping them (sixteen at a fault) and unmapping them at the end costs more.
    kReadOnlyImmutable,
    // Read and write; the file must exist.
    kReadWrite,
    // Read and write; the file is created when missing, with mode 0600.
    kReadWriteCreate,
};

// For a program that runs for a moment and reads a few pages (the command line): each
// connection's page cache then takes its pages one by one as they are read, instead of setting
// up room for twenty at the first read (about twenty fresh memory pages touched per connection
// and per temporary b-tree of a query, more than a short lookup reads), and SQLite keeps no
// count of the memory it uses. Call once, before any database is opened; later calls, or calls
// after SQLite has started, change nothing.
void UseSqliteForShortRuns();

// An open connection. Closed when the object is destroyed.
class SqliteDb {
  public:
    // Opens the file at path. Nothing when it cannot be opened (missing file in a read mode,
    // no permission) or is not a regular file (a FIFO, device or folder is never handed to
    // SQLite, so that nothing can wait on it). A file that is not a database opens here and
    // fails at the first statement.
    static std::optional<SqliteDb> Open(const std::filesystem::path& path, SqliteOpenMode mode);

    // Runs one or more semicolon-separated statements that return no rows of interest.
    // Returns false when any of them fails.
    [[nodiscard]] bool Exec(const std::string& sql);

    // True when the last failed operation on this connection found the file damaged or not a
    // database at all (SQLite's CORRUPT and NOTADB), as opposed to a busy or locked file, a
    // missing table or a refused permission.
    bool LastErrorMeansDamagedFile() const;

    sqlite3* Handle() const { return db_.get(); }

  private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    explicit SqliteDb(sqlite3* db) : db_(db) {}
    std::unique_ptr<sqlite3, Closer> db_;
};

// One prepared statement on an open connection; it must not outlive the connection.
class SqliteStatement {
  public:
    enum class StepResult { kRow, kDone, kError };

    // Compiles one statement. Nothing when it does not compile (syntax error, missing table
    // or column, a file that is not a database or is damaged).
    static std::optional<SqliteStatement> Prepare(const SqliteDb& db, std::string_view sql);

    // Binds a parameter (1-based). The text is copied. Returns false on failure.
    [[nodiscard]] bool BindText(int index, std::string_view text);
    [[nodiscard]] bool BindInt64(int index, std::int64_t value);

    // Advances to the next row.
    StepResult Step();

    // Makes the statement ready to run again and clears its bindings.
    void Reset();

    // The column (0-based) of the current row when it holds an integer; nothing when it holds
    // NULL, text, a real or a blob (no conversion is attempted).
    std::optional<std::int64_t> ColumnInt64(int column) const;
    // The column of the current row when it holds text (its bytes, unchecked); nothing for any
    // other storage class.
    std::optional<std::string> ColumnText(int column) const;

  private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const;
    };
    explicit SqliteStatement(sqlite3_stmt* statement) : statement_(statement) {}
    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

}  // namespace orvanta
