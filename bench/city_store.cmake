# One city lookup end to end on a generated database of 100,000 cities.
add_executable(city_lookup_bench ${CMAKE_CURRENT_LIST_DIR}/city_lookup_bench.cpp)
target_link_libraries(city_lookup_bench PRIVATE orvanta_location benchmark::benchmark
                                                benchmark::benchmark_main)
target_compile_definitions(city_lookup_bench PRIVATE
    ORVANTA_SCHEMA_SQL="${PROJECT_SOURCE_DIR}/data/schema.sql")
