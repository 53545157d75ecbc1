// The city store over an SQLite city database (tables zones, cities, aliases, fold_map).
#pragma once

#include <filesystem>

#include "location/city_store.h"

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
class SqliteCityStore final : public CityStore {
  public:
    // immutable: open the file as immutable (no locking, no change detection), right for a
    // database installed with the program that nothing writes while it runs.
    explicit SqliteCityStore(std::filesystem::path databasePath, bool immutable = true);

    [[nodiscard]] CityLookupStatus LookUp(CityLocation& city,
                                          const MessageFn& showMessage) const override;

    const std::filesystem::path& DatabasePath() const { return databasePath_; }

  private:
    std::filesystem::path databasePath_;
    bool immutable_;
};

}  // namespace orvanta
