# Settings store: loading and saving the settings in the registry export file.
orvanta_add_gtest(settings_store_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_store_test.cpp
    LIBS orvanta_location)
orvanta_add_gtest(settings_disk_file_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_disk_file_test.cpp
    LIBS orvanta_location)
orvanta_add_gtest(settings_crash_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_crash_test.cpp
    LIBS orvanta_location)
