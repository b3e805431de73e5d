# History Check of 2500 entries over 3000 and over 32767 draws.
if(TARGET pickwise_checking_rules)
    add_executable(longhistory_bench ${CMAKE_CURRENT_LIST_DIR}/longhistory_bench.cpp)
    target_link_libraries(longhistory_bench PRIVATE pickwise_checking_rules
        pickwise_test_support benchmark::benchmark)
endif()
