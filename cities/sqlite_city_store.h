// The city store over an SQLite city database (tables zones, cities, aliases, fold_map).
#pragma once

#include <filesystem>
#include <optional>

#include "cities/city_store.h"
#include "common/notices.h"

namespace orvanta {

// Opens the database read-only at each lookup and closes it before returning; nothing is held
// between calls.
//
// A name is matched through its search key (case and accent folding from the database's
// fold_map, ASCII whitespace collapsed): first against the display names, then against the
// aliases, the most populous city first within each. The name is only ever bound as a
// parameter, never pasted into query text. A file that is shorter than its header says, is
// not a database, is damaged, lacks a table or column, or has another schema version
// (PRAGMA user_version other than 1) gives DatabaseUnavailable.
//
// With a per-user database, the user's own cities (user_cities in user.db) are searched by the
// same key before the shipped ones. Both files are only read here.
class SqliteCityStore final : public CityStore {
  public:
    // immutable: open the file as immutable (no locking, no change detection), right for a
    // database installed with the program that nothing writes while it runs.
    // userDatabasePath: user.db, whose cities are found first; a missing file has none, a file
    // that exists but cannot be read makes every lookup DatabaseUnavailable. A damaged user.db
    // is moved aside, and one that is not a regular file left alone, each with a notice to
    // notices (when given); the shipped cities are found then.
    explicit SqliteCityStore(std::filesystem::path databasePath, bool immutable = true,
                             std::optional<std::filesystem::path> userDatabasePath = {},
                             NoticeList* notices = nullptr);

    [[nodiscard]] CityLookupStatus LookUp(CityLocation& city) const override;

    const std::filesystem::path& DatabasePath() const { return databasePath_; }

  private:
    std::filesystem::path databasePath_;
    bool immutable_;
    std::optional<std::filesystem::path> userDatabasePath_;
    NoticeList* notices_;
};

}  // namespace orvanta
