# Settings store: the registry export file, its model, and loading and saving the settings.
target_sources(orvanta_location PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/damaged_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_disk_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_values.cpp
    ${CMAKE_CURRENT_LIST_DIR}/utf16.cpp
)
