# Deleting every second entry of an entry file of 2500, 10,000 and 32,767.
add_executable(deletion_bench ${CMAKE_CURRENT_LIST_DIR}/deletion_bench.cpp)
target_link_libraries(deletion_bench PRIVATE pickwise_core pickwise_test_support
    benchmark::benchmark)
