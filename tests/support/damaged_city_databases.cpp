#include "tests/support/damaged_city_databases.h"

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "cities/sqlite_db.h"

namespace orvanta::testing_support {
namespace {

namespace fs = std::filesystem;

// Enough rows that the file spans many pages, so a cut can fall inside the data.
std::string Rows() {
    std::string rows =
        "INSERT INTO zones VALUES (1, 'America/Detroit', 300, 1), (3, 'Asia/Riyadh', -180, 0);"
        "INSERT INTO fold_map VALUES (77, 'm'), (68, 'd');"
        "INSERT INTO cities VALUES (1, 'Detroit, MI', 'detroit, mi', 'United States', 'US',"
        " 'Michigan', 4220, -8303, 1, 639111),"
        " (2, 'Mecca', 'mecca', 'Saudi Arabia', 'SA', 'Makkah', 2125, 3949, 3, 1675368);";
    for (int i = 0; i < 1500; ++i) {
        rows += "INSERT INTO cities VALUES (" + std::to_string(i + 10) + ", 'Town " +
                std::to_string(i) + "', 'town " + std::to_string(i) +
                "', 'Country', 'CC', 'Region', 1000, 1000, 1, 1);";
    }
    return rows;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool Build(const fs::path& sourceDir, const fs::path& path, const std::string& afterSchema) {
    const std::string schema = ReadText(sourceDir / "data" / "schema.sql");
    std::optional<SqliteDb> db = SqliteDb::Open(path, SqliteOpenMode::ReadWriteCreate);
    return !schema.empty() && db && db->Exec(schema) && db->Exec("BEGIN;" + Rows() + "COMMIT;") &&
           db->Exec(afterSchema);
}

}  // namespace

bool MakeSoundCityDatabase(const fs::path& sourceDir, const fs::path& path) {
    return Build(sourceDir, path, "");
}

std::vector<DamagedDatabase> MakeDamagedCityDatabases(const fs::path& sourceDir,
                                                      const fs::path& folder) {
    const fs::path sound = folder / "sound.db";
    if (!MakeSoundCityDatabase(sourceDir, sound)) {
        return {};
    }
    const std::string bytes = ReadText(sound);
    std::vector<DamagedDatabase> damaged;
    const auto add = [&](std::string what, const std::string& content) {
        const fs::path path = folder / (std::to_string(damaged.size()) + ".db");
        WriteBytes(path, content);
        damaged.push_back({std::move(what), path});
    };
    add("zero length", "");
    add("cut in half", bytes.substr(0, bytes.size() / 2));
    add("cut by one byte", bytes.substr(0, bytes.size() - 1));
    add("only the header page", bytes.substr(0, 4096));
    std::mt19937 random(7);
    std::string noise(bytes.size(), '\0');
    for (char& byte : noise) {
        byte = static_cast<char>(random());
    }
    add("random garbage", noise);
    add("header and garbage", bytes.substr(0, 100) + noise.substr(100));

    bool built = true;
    const auto addBuilt = [&](std::string what, const std::string& afterSchema) {
        const fs::path path = folder / (std::to_string(damaged.size()) + ".db");
        if (!Build(sourceDir, path, afterSchema)) {
            built = false;
        }
        damaged.push_back({std::move(what), path});
    };
    addBuilt("older schema, user_version 0", "PRAGMA user_version = 0;");
    addBuilt("newer schema, user_version 2", "PRAGMA user_version = 2;");
    addBuilt("older schema without zone_index",
             "ALTER TABLE cities RENAME COLUMN zone_index TO zone;");
    addBuilt("older schema without fold_map", "DROP TABLE fold_map;");
    return built ? damaged : std::vector<DamagedDatabase>();
}

std::vector<DamagedDatabase> MakeDamagedCityDatabasesInTemp(const std::string& prefix) {
    const char* source = std::getenv("ORVANTA_SOURCE_DIR");
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (source == nullptr || mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    return MakeDamagedCityDatabases(source, pattern);
}

}  // namespace orvanta::testing_support
