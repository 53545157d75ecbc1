// A scratch folder of its own below the system's temporary folder, and small city databases
// built in it from data/schema.sql (found through ORVANTA_SOURCE_DIR) and a few statements.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "cities/sqlite_db.h"

namespace orvanta::testing_support {

// Removed with its contents at the end; Path() is empty when the folder could not be made.
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
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Writes a database made from schema.sql and the statements given; false when any step fails.
inline bool BuildDatabase(const std::filesystem::path& path, const std::string& statements) {
    const char* source = std::getenv("ORVANTA_SOURCE_DIR");
    if (source == nullptr || path.parent_path().empty()) {
        return false;
    }
    std::ostringstream schema;
    schema << std::ifstream(std::filesystem::path(source) / "data" / "schema.sql").rdbuf();
    std::optional<SqliteDb> db = SqliteDb::Open(path, SqliteOpenMode::ReadWriteCreate);
    return !schema.str().empty() && db && db->Exec(schema.str()) &&
           db->Exec("BEGIN;" + statements + "COMMIT;");
}

}  // namespace orvanta::testing_support
