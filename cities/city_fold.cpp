#include "cities/city_fold.h"

#include <cstdint>
#include <functional>
#include <utility>

#include "cities/search_key.h"

namespace orvanta {

bool DatabaseFold::operator()(char32_t c, std::string& out) {
    if (const auto cached = cache_.find(c); cached != cache_.end()) {
        out += cached->second;
        return true;
    }
    statement_.Reset();
    if (!statement_.BindInt64(1, static_cast<std::int64_t>(c))) {
        return false;
    }
    std::string folded;
    switch (statement_.Step()) {
        case SqliteStatement::StepResult::kRow:
            if (std::optional<std::string> text = statement_.ColumnText(0)) {
                folded = std::move(*text);
            } else {
                AppendUtf8(folded, c);  // a NULL or non-text entry folds to itself
            }
            break;
        case SqliteStatement::StepResult::kDone:
            AppendUtf8(folded, c);  // not listed: folds to itself
            break;
        case SqliteStatement::StepResult::kError:
            return false;
    }
    out += folded;
    cache_.emplace(c, std::move(folded));
    return true;
}

std::optional<std::string> SearchKeyOf(const SqliteDb& cityDb, std::string_view text,
                                       bool& tableFailed) {
    tableFailed = false;
    const std::optional<std::u32string> codePoints = DecodeUtf8(text);
    if (!codePoints) {
        return std::nullopt;
    }
    std::optional<SqliteStatement> statement = SqliteStatement::Prepare(cityDb, kFoldSql);
    if (!statement) {
        tableFailed = true;
        return std::nullopt;
    }
    DatabaseFold fold(*statement);
    std::optional<std::string> key = MakeSearchKey(*codePoints, std::ref(fold));
    tableFailed = !key.has_value();
    return key;
}

}  // namespace orvanta
