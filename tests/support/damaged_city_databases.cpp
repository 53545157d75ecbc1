#include "tests/support/damaged_city_databases.h"

#include <random>

#include "tests/support/scratch_database.h"

namespace orvanta::testing_support {
namespace {

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

}  // namespace

std::vector<DamagedDatabase> MakeDamagedCityDatabases(const std::filesystem::path& folder) {
    std::vector<DamagedDatabase> damaged;
    bool built = BuildDatabase(folder / "sound.db", Rows());
    const std::string bytes = ReadBytes(folder / "sound.db");
    if (!built || bytes.size() <= 40000) {
        return {};  // no schema (ORVANTA_SOURCE_DIR unset): nothing to cut or overwrite
    }
    const auto add = [&](std::string what, const std::string& content) {
        damaged.push_back({std::move(what), folder / (std::to_string(damaged.size()) + ".db")});
        WriteBytes(damaged.back().path, content);
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
    for (const auto& [what, change] : std::vector<std::pair<std::string, std::string>>{
             {"older schema, user_version 0", "PRAGMA user_version = 0;"},
             {"newer schema, user_version 2", "PRAGMA user_version = 2;"},
             {"older schema without zone_index",
              "ALTER TABLE cities RENAME COLUMN zone_index TO zone;"},
             {"older schema without fold_map", "DROP TABLE fold_map;"}}) {
        add(what, bytes);
        std::optional<SqliteDb> db =
            SqliteDb::Open(damaged.back().path, SqliteOpenMode::kReadWrite);
        built = built && db && db->Exec(change);
    }
    return built ? damaged : std::vector<DamagedDatabase>();
}

}  // namespace orvanta::testing_support
