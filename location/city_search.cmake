#Completions for a city name being typed(prefix search over the city database).
include_guard(GLOBAL)
    target_sources(orvanta_location PRIVATE ${CMAKE_CURRENT_LIST_DIR} / city_search.cpp)
