#include "cities/printed_timetable_store.h"

#include <sqlite3.h>

#include <array>
#include <functional>

#include "cities/sqlite_db.h"
#include "cities/user_database.h"

namespace orvanta {
namespace {

// printed_days holds each day's six times in minutes after the date's local midnight (Isha
// after midnight 1440 or more); printed_timetables one row per city that has days.
constexpr const char* kPrintedSchemaSql = R"sql(
CREATE TABLE IF NOT EXISTS printed_timetables (
    city        TEXT PRIMARY KEY,
    imported_at INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS printed_days (
    city    TEXT NOT NULL,
    day     INTEGER NOT NULL,
    fajr    INTEGER NOT NULL,
    shuruq  INTEGER NOT NULL,
    zuhr    INTEGER NOT NULL,
    asr     INTEGER NOT NULL,
    maghrib INTEGER NOT NULL,
    isha    INTEGER NOT NULL,
    PRIMARY KEY (city, day)
) WITHOUT ROWID;
)sql";

bool DeleteCity(SqliteDb& db, const std::string& city, bool& found) {
    for (const char* sql : {"DELETE FROM printed_timetables WHERE city = ?1",
                            "DELETE FROM printed_days WHERE city = ?1"}) {
        std::optional<SqliteStatement> statement = SqliteStatement::Prepare(db, sql);
        if (!statement || !statement->BindText(1, city) ||
            statement->Step() != SqliteStatement::StepResult::kDone) {
            return false;
        }
        found = found || sqlite3_changes(db.Handle()) > 0;
    }
    return true;
}

bool InsertDays(SqliteDb& db, const std::string& city, const std::vector<PrintedDay>& days) {
    std::optional<SqliteStatement> insert = SqliteStatement::Prepare(
        db, "INSERT INTO printed_days VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    if (!insert) {
        return false;
    }
    for (const PrintedDay& day : days) {
        bool bound = insert->BindText(1, city) && insert->BindInt64(2, day.day);
        for (std::size_t s = 0; s < day.minutes.size(); ++s) {
            bound = bound && insert->BindInt64(static_cast<int>(s) + 3, day.minutes[s]);
        }
        if (!bound || insert->Step() != SqliteStatement::StepResult::kDone) {
            return false;
        }
        insert->Reset();
    }
    return true;
}

// Runs change in a write transaction with the printed tables made sure of.
PrintedStoreResult Change(const std::filesystem::path& path, bool create, NoticeList* notices,
                          const std::function<PrintedStoreResult(SqliteDb&)>& change) {
    PrintedStoreResult result = PrintedStoreResult::kFailed;
    const UserDatabaseWrite write = ChangeUserDatabase(path, create, notices, [&](SqliteDb& db) {
        if (!db.Exec(kPrintedSchemaSql)) {
            return UserDatabaseChange::kFailed;
        }
        result = change(db);
        switch (result) {
            case PrintedStoreResult::kDone:
                return UserDatabaseChange::kCommit;
            case PrintedStoreResult::kNotFound:
                return UserDatabaseChange::kRollBack;
            case PrintedStoreResult::kFailed:
                break;
        }
        return UserDatabaseChange::kFailed;
    });
    switch (write) {
        case UserDatabaseWrite::kCommitted:
        case UserDatabaseWrite::kRolledBack:
            return result;
        case UserDatabaseWrite::kNoFile:
            return PrintedStoreResult::kNotFound;
        case UserDatabaseWrite::kFailed:
            break;
    }
    return PrintedStoreResult::kFailed;
}

// Opens user.db for reading when it holds the printed tables; a damaged file is moved aside.
std::optional<SqliteDb> OpenForReading(const std::filesystem::path& path, NoticeList* notices,
                                       bool& failed) {
    UserDatabaseReader reader = OpenUserDatabaseForReading(path, notices);
    failed = reader.state == UserDatabaseReader::State::kFailed;
    if (reader.state != UserDatabaseReader::State::kOpen) {
        return std::nullopt;
    }
    if (!HasTable(*reader.db, "printed_days")) {
        if (reader.db->LastErrorMeansDamagedFile()) {
            reader.db.reset();
            SetDamagedUserDatabaseAside(path, notices);
        }
        return std::nullopt;
    }
    return std::move(reader.db);
}

}  // namespace

PrintedStoreResult StorePrintedTimetable(const std::filesystem::path& userDatabase,
                                         const std::string& city,
                                         const std::vector<PrintedDay>& days,
                                         std::int64_t importedAtUtc, NoticeList* notices) {
    return Change(userDatabase, true, notices, [&](SqliteDb& db) {
        bool found = false;
        std::optional<SqliteStatement> stamp =
            SqliteStatement::Prepare(db, "INSERT INTO printed_timetables VALUES (?1, ?2)");
        const bool stored = DeleteCity(db, city, found) && InsertDays(db, city, days) && stamp &&
                            stamp->BindText(1, city) && stamp->BindInt64(2, importedAtUtc) &&
                            stamp->Step() == SqliteStatement::StepResult::kDone;
        return stored ? PrintedStoreResult::kDone : PrintedStoreResult::kFailed;
    });
}

PrintedStoreResult RemovePrintedTimetable(const std::filesystem::path& userDatabase,
                                          const std::string& city, NoticeList* notices) {
    return Change(userDatabase, false, notices, [&](SqliteDb& db) {
        bool found = false;
        if (!DeleteCity(db, city, found)) {
            return PrintedStoreResult::kFailed;
        }
        return found ? PrintedStoreResult::kDone : PrintedStoreResult::kNotFound;
    });
}

std::optional<std::vector<PrintedTimetableSummary>> ListPrintedTimetables(
    const std::filesystem::path& userDatabase, NoticeList* notices) {
    bool failed = false;
    std::optional<SqliteDb> db = OpenForReading(userDatabase, notices, failed);
    std::vector<PrintedTimetableSummary> list;
    if (!db) {
        return failed ? std::nullopt : std::make_optional(list);
    }
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(
        *db,
        "SELECT t.city, MIN(d.day), MAX(d.day), COUNT(d.day), t.imported_at "
        "FROM printed_timetables t JOIN printed_days d ON d.city = t.city "
        "GROUP BY t.city ORDER BY t.city");
    if (!statement) {
        return std::nullopt;
    }
    SqliteStatement::StepResult step;
    while ((step = statement->Step()) == SqliteStatement::StepResult::kRow) {
        PrintedTimetableSummary row;
        row.city = statement->ColumnText(0).value_or("");
        row.firstDay = statement->ColumnInt64(1).value_or(0);
        row.lastDay = statement->ColumnInt64(2).value_or(0);
        row.dayCount = statement->ColumnInt64(3).value_or(0);
        row.importedAtUtc = statement->ColumnInt64(4).value_or(0);
        list.push_back(std::move(row));
    }
    return step == SqliteStatement::StepResult::kDone ? std::make_optional(list) : std::nullopt;
}

PrintedDays ReadPrintedDays(const std::filesystem::path& userDatabase, const std::string& city,
                            std::int64_t firstDay, std::int64_t lastDay, NoticeList* notices) {
    bool failed = false;
    std::optional<SqliteDb> db = OpenForReading(userDatabase, notices, failed);
    std::optional<SqliteStatement> statement =
        db ? SqliteStatement::Prepare(*db,
                                      "SELECT day, fajr, shuruq, zuhr, asr, maghrib, isha "
                                      "FROM printed_days WHERE city = ?1 AND day BETWEEN ?2 AND "
                                      "?3 ORDER BY day")
           : std::nullopt;
    if (!statement || !statement->BindText(1, city) || !statement->BindInt64(2, firstDay) ||
        !statement->BindInt64(3, lastDay)) {
        return PrintedDays{};
    }
    std::vector<PrintedDay> days;
    while (statement->Step() == SqliteStatement::StepResult::kRow) {
        PrintedDay day{statement->ColumnInt64(0).value_or(0), {}};
        bool usable = true;
        for (std::size_t s = 0; s < day.minutes.size(); ++s) {
            const std::int64_t minutes =
                statement->ColumnInt64(static_cast<int>(s) + 1).value_or(-1);
            usable = usable && minutes >= 0 && minutes < 2 * 1440;
            day.minutes[s] = static_cast<std::int32_t>(minutes);
        }
        std::array<std::int32_t, 6> ordered = day.minutes;
        if (usable && FirstTimeOutOfOrder(ordered) < 0 && ordered == day.minutes) {
            days.push_back(day);
        }
    }
    return PrintedDays(std::move(days));
}

}  // namespace orvanta
