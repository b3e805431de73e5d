# Importing a results CSV of 10,000 rows.
add_executable(import_bench ${CMAKE_CURRENT_LIST_DIR}/import_bench.cpp)
target_link_libraries(import_bench PRIVATE pickwise_core pickwise_test_support
    benchmark::benchmark)
