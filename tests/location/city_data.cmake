# Checks of the city database scripts and of the built cities.db (Python 3, standard library).
find_package(Python3 3.9 REQUIRED COMPONENTS Interpreter)

add_test(NAME city_data_scripts_test
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/city_data_scripts_test.py)
add_test(NAME city_data_db_test
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/city_data_db_test.py)
set_tests_properties(city_data_scripts_test city_data_db_test PROPERTIES
    ENVIRONMENT "ORVANTA_SOURCE_DIR=${PROJECT_SOURCE_DIR};ORVANTA_CITY_DB=${ORVANTA_CITY_DB}")
