# Completions for a city name being typed. The test builds a small database from
# data/schema.sql at run time.
include_guard(GLOBAL)
orvanta_add_gtest(city_search_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/city_search_test.cpp
    LIBS orvanta_location)
