# Benchmark of the time-zone rules (Debian libbenchmark-dev).
find_package(benchmark REQUIRED)

add_executable(zone_rules_bench ${CMAKE_CURRENT_LIST_DIR}/zone_rules_bench.cpp)
target_link_libraries(zone_rules_bench PRIVATE orvanta_location benchmark::benchmark
                                               benchmark::benchmark_main)
