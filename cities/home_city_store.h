// The user's home city, kept in the per-user database user.db.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "cities/home_city.h"
#include "common/notices.h"

namespace orvanta {

// UserDataDir()/user.db; nothing when there is no per-user data folder.
std::optional<std::filesystem::path> DefaultUserDatabasePath();

// Reads and writes the home city in the per-user database. The database is opened for each
// call and closed before it returns. Reading never creates the file: a missing file means "no
// home city". The first write creates the folder, the file and its tables (home_city,
// user_zones and user_cities, see user_database.h). A damaged file is moved aside, and a path
// that is not a regular file left alone, with a notice to notices (when given) either way.
class HomeCityStore final : public HomeCitySource {
  public:
    // The store at DefaultUserDatabasePath(); without one, reads find no home city and writes
    // fail.
    explicit HomeCityStore(NoticeList* notices = nullptr);
    explicit HomeCityStore(std::filesystem::path userDatabasePath, NoticeList* notices = nullptr);

    // Copies the stored home-city name into city.name and returns true when there is one and
    // it is a usable city name (well-formed UTF-8, not empty, at most 199 UTF-16 code units).
    // Otherwise returns false with city.name unchanged. Never shows a message box.
    bool ReadHomeCity(CityLocation& city) const override;

    // Stores name as the home city, replacing any earlier one. Returns false, storing nothing,
    // when the name is not a usable city name or the database cannot be written.
    [[nodiscard]] bool SetHomeCity(std::string_view name) const;

    // Removes the home city. True when afterwards there is none (also when the file does not
    // exist, which stays so, or there is no data folder); false when the database cannot be
    // written.
    [[nodiscard]] bool ClearHomeCity() const override;

  private:
    std::optional<std::filesystem::path> path_;
    NoticeList* notices_;
};

}  // namespace orvanta
