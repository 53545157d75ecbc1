// Shared setup of the tests: a temporary home of their own below the system's temporary folder,
// whole-file reads and writes, and small city databases built from data/schema.sql (found
// through ORVANTA_SOURCE_DIR) and a few statements.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "cities/home_city.h"
#include "cities/sqlite_db.h"

namespace orvanta::testing_support {

// A home-city source with no home city: the configured city applies.
class NoHomeCity final : public HomeCitySource {
  public:
    bool ReadHomeCity(CityLocation&) const override { return false; }
};

// Removed with its contents at the end (made writable first); Path() is empty when the folder
// could not be made.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvanta-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Writes a database made from schema.sql and the statements given; false when any step fails.
inline bool BuildDatabase(const std::filesystem::path& path, const std::string& statements) {
    const char* source = std::getenv("ORVANTA_SOURCE_DIR");
    if (source == nullptr || path.parent_path().empty()) {
        return false;
    }
    const std::string schema = ReadBytes(std::filesystem::path(source) / "data" / "schema.sql");
    std::optional<SqliteDb> db = SqliteDb::Open(path, SqliteOpenMode::kReadWriteCreate);
    return !schema.empty() && db && db->Exec(schema) && db->Exec("BEGIN;" + statements + "COMMIT;");
}

}  // namespace orvanta::testing_support
