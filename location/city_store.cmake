# City lookup over the SQLite city database, and the per-user home city.
find_package(SQLite3 REQUIRED)
include(GNUInstallDirs)

target_sources(orvanta_location PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/sqlite_db.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_key.cpp
    ${CMAKE_CURRENT_LIST_DIR}/city_name.cpp
    ${CMAKE_CURRENT_LIST_DIR}/city_decode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sqlite_city_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/city_database_path.cpp
    ${CMAKE_CURRENT_LIST_DIR}/home_city_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_database.cpp
    ${CMAKE_CURRENT_LIST_DIR}/city_fold.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_cities.cpp
    ${CMAKE_CURRENT_LIST_DIR}/city_finder.cpp
)
target_link_libraries(orvanta_location PRIVATE SQLite::SQLite3)

# Where the installed program finds its city database.
target_compile_definitions(orvanta_location PRIVATE
    "ORVANTA_INSTALLED_CITY_DB_PATH=\"${CMAKE_INSTALL_FULL_DATADIR}/orvanta/cities.db\"")

# The build tree's database (ORVANTA_CITY_DB_PATH), when the data folder provides one. The data
# folder is configured after this one, so the target is looked for at generation time.
target_link_libraries(orvanta_location PRIVATE $<TARGET_NAME_IF_EXISTS:orvanta_citydb_path>)
