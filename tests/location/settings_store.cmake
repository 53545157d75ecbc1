# Settings store: UTF-16 helpers, the registry export file, loading and saving the settings.
orvanta_add_gtest(utf16_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/utf16_test.cpp
    LIBS orvanta_location)
orvanta_add_gtest(registry_text_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/registry_text_test.cpp
    LIBS orvanta_location)
orvanta_add_gtest(settings_store_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_store_test.cpp
    LIBS orvanta_location)
orvanta_add_gtest(settings_disk_file_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_disk_file_test.cpp
    LIBS orvanta_location)
orvanta_add_gtest(settings_crash_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_crash_test.cpp
    LIBS orvanta_location)
