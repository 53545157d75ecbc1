// The least a program pays for one city lookup through the system's shared SQLite: it opens
// the shipped database read-only and immutable, as orvanta-times does, runs the one indexed
// query by search key (a copy of kByNameSql in cities/sqlite_city_store.cpp: change both) and
// prints the row. No C++ runtime, no argument parser, no settings.
// start_cost.py runs it beside orvanta-times so that SQLite's share of a short run shows.
//
// Usage: sqlite_lookup_yardstick DATABASE SEARCH-KEY
#include <sqlite3.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: sqlite_lookup_yardstick DATABASE SEARCH-KEY\n", stderr);
        return 2;
    }
    const std::string uri = std::string("file:") + argv[1] + "?immutable=1";
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return 1;
    }
    sqlite3_exec(db, "PRAGMA cache_size = 16", nullptr, nullptr, nullptr);
    sqlite3_stmt* statement = nullptr;
    int status = 1;
    if (sqlite3_prepare_v2(db,
                           "SELECT name, latitude, longitude, zone_index FROM cities"
                           " WHERE search_key = ?1 ORDER BY population DESC, city_id LIMIT 1",
                           -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_bind_text(statement, 1, argv[2], -1, SQLITE_STATIC) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        std::printf("%s %d %d %d\n", sqlite3_column_text(statement, 0),
                    sqlite3_column_int(statement, 1), sqlite3_column_int(statement, 2),
                    sqlite3_column_int(statement, 3));
        status = 0;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return status;
}
