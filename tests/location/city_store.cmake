# Tests of the city lookup and the home-city store. The lookup tests build small databases
# from data/schema.sql at run time.
orvanta_add_gtest(city_store_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/city_decode_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/city_lookup_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/city_home_store_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/city_damaged_db_test.cpp
    LIBS orvanta_location orvanta_test_support)
