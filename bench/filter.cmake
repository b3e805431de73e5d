# The filter's duplicate pass over 2500 entries.
if(TARGET pickwise_checking_rules)
    add_executable(filter_bench ${CMAKE_CURRENT_LIST_DIR}/filter_bench.cpp)
    target_link_libraries(filter_bench PRIVATE pickwise_checking_rules pickwise_test_support
        benchmark::benchmark)
endif()
