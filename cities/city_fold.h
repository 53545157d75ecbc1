// Search keys through the fold table (fold_map) of the city database.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "cities/sqlite_db.h"

namespace orvanta {

// Folds code points through fold_map, asking the database once per distinct code point. A
// code point that the table does not list, or lists with a NULL or non-text value, folds to
// itself. Usable as a FoldFn through std::ref.
class DatabaseFold {
  public:
    // statement: "SELECT folded FROM fold_map WHERE code_point = ?1", prepared on the open
    // city database; it must outlive this object.
    explicit DatabaseFold(SqliteStatement& statement) : statement_(statement) {}

    // Appends the fold of c to out; false when the table cannot be read.
    bool operator()(char32_t c, std::string& out);

  private:
    SqliteStatement& statement_;
    std::unordered_map<char32_t, std::string> cache_;
};

inline constexpr std::string_view kFoldSql = "SELECT folded FROM fold_map WHERE code_point = ?1";

// Given the open city database and a UTF-8 text, returns its search key (see MakeSearchKey):
// the key, possibly empty; nothing when the text is not well-formed UTF-8 or the fold table
// cannot be read. tableFailed tells the two apart (true: the database failed).
std::optional<std::string> SearchKeyOf(const SqliteDb& cityDb, std::string_view text,
                                       bool& tableFailed);

}  // namespace orvanta
