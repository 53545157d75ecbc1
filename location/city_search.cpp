#include "location/city_search.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "location/search_key.h"
#include "location/sqlite_db.h"

namespace orvanta {
namespace {

constexpr std::string_view kFoldSql = "SELECT folded FROM fold_map WHERE code_point = ?1";

// Candidates by display name and by alias, each city once. The key range [?1, ?2) holds
// exactly the keys that start with ?1, and lets SQLite use the indexes on search_key.
constexpr std::string_view kPrefixSql =
    "SELECT name FROM cities WHERE city_id IN ("
    " SELECT city_id FROM cities WHERE search_key >= ?1 AND search_key < ?2"
    " UNION"
    " SELECT city_id FROM aliases WHERE search_key >= ?1 AND search_key < ?2)"
    " ORDER BY population DESC, city_id LIMIT ?3";

// No more names than a completion list can usefully show.
constexpr std::size_t kMaxLimit = 1000;

bool EndsWithAsciiSpace(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const char last = text.back();
    return last == ' ' || last == '\t' || last == '\n' || last == '\v' || last == '\f' ||
           last == '\r';
}

// The search key of the typed text through the database's fold table; nothing when the table
// cannot be read.
std::optional<std::string> TypedKey(const SqliteDb& db, std::u32string_view codePoints) {
    std::optional<SqliteStatement> fold = SqliteStatement::Prepare(db, kFoldSql);
    if (!fold) {
        return std::nullopt;
    }
    std::unordered_map<char32_t, std::string> cache;
    const FoldFn foldFn = [&fold, &cache](char32_t c, std::string& out) {
        if (const auto hit = cache.find(c); hit != cache.end()) {
            out += hit->second;
            return true;
        }
        fold->Reset();
        if (!fold->BindInt64(1, static_cast<std::int64_t>(c))) {
            return false;
        }
        std::string folded;
        switch (fold->Step()) {
            case SqliteStatement::StepResult::Row:
                if (std::optional<std::string> text = fold->ColumnText(0)) {
                    folded = std::move(*text);
                } else {
                    AppendUtf8(folded, c);
                }
                break;
            case SqliteStatement::StepResult::Done:
                AppendUtf8(folded, c);
                break;
            case SqliteStatement::StepResult::Error:
                return false;
        }
        out += folded;
        cache.emplace(c, std::move(folded));
        return true;
    };
    return MakeSearchKey(codePoints, foldFn);
}

}  // namespace

std::string PrefixUpperBound(std::string_view prefix) {
    std::string bound(prefix);
    while (!bound.empty()) {
        auto last = static_cast<unsigned char>(bound.back());
        if (last != 0xFFU) {
            bound.back() = static_cast<char>(last + 1U);
            return bound;
        }
        bound.pop_back();
    }
    return bound;
}

std::vector<std::string> SearchCityNames(const std::filesystem::path& databasePath,
                                         std::string_view typed, std::size_t limit) {
    std::vector<std::string> names;
    if (limit == 0) {
        return names;
    }
    const std::optional<std::u32string> codePoints = DecodeUtf8(typed);
    if (!codePoints) {
        return names;
    }
    const std::optional<SqliteDb> db =
        SqliteDb::Open(databasePath, SqliteOpenMode::ReadOnlyImmutable);
    if (!db) {
        return names;
    }
    std::optional<std::string> key = TypedKey(*db, *codePoints);
    if (!key || key->empty()) {
        return names;
    }
    if (EndsWithAsciiSpace(typed)) {
        key->push_back(' ');  // the word is complete: "new " offers "New York", not "Newark"
    }
    const std::string upper = PrefixUpperBound(*key);
    std::optional<SqliteStatement> query = SqliteStatement::Prepare(*db, kPrefixSql);
    if (!query || !query->BindText(1, *key) || !query->BindText(2, upper) ||
        !query->BindInt64(3, static_cast<std::int64_t>(std::min(limit, kMaxLimit)))) {
        return names;
    }
    while (query->Step() == SqliteStatement::StepResult::Row) {
        std::optional<std::string> name = query->ColumnText(0);
        if (name && DecodeUtf8(*name)) {  // a damaged entry is left out, not shown garbled
            names.push_back(std::move(*name));
        }
    }
    return names;
}

}  // namespace orvanta
