# The statistics over the largest history the file format allows.
add_executable(stats_bench ${CMAKE_CURRENT_LIST_DIR}/stats_bench.cpp)
target_link_libraries(stats_bench PRIVATE pickwise_stats_rules pickwise_test_support
    benchmark::benchmark)
