orvanta_add_gtest(zone_rules_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/zone_rules_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/zone_posix_rule_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/zone_tzif_test.cpp
    LIBS orvanta_location)
