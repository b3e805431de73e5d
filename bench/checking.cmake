# History Check of 2500 entries against 3000 draws: the rules alone, and the
# window filling its lists (offscreen).
if(TARGET pickwise_checking_rules)
    add_executable(checking_bench ${CMAKE_CURRENT_LIST_DIR}/checking_bench.cpp)
    target_link_libraries(checking_bench PRIVATE pickwise_checking_rules benchmark::benchmark)
    if(TARGET pickwise_checking_windows)
        target_link_libraries(checking_bench PRIVATE pickwise_checking_windows
            pickwise_test_support)
        target_compile_definitions(checking_bench PRIVATE PICKWISE_BENCH_WINDOW=1)
    endif()
endif()
