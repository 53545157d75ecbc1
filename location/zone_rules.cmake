# Time-zone rules: daylight-saving tables and standard offsets from the system zone database,
# read through the date library (its time-zone library reads /usr/share/zoneinfo; USE_OS_TZDB=1).
# GLOBAL makes date::date-tz visible to every directory that links orvanta_location.
find_package(date REQUIRED GLOBAL)

target_sources(orvanta_location PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/zone_rules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zone_posix_rule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zone_tzif.cpp
    ${CMAKE_CURRENT_LIST_DIR}/city_daylight.cpp
)
target_link_libraries(orvanta_location PRIVATE date::date-tz)
