# Computer suggestions: 2500 entries over a 2000-draw history.
add_executable(making_bench ${CMAKE_CURRENT_LIST_DIR}/making_bench.cpp)
target_link_libraries(making_bench PRIVATE pickwise_making_rules pickwise_test_support
    benchmark::benchmark)
if(TARGET pickwise_platform_qt)
    # The program's own generator; without the Qt side an equal std one is used.
    target_link_libraries(making_bench PRIVATE pickwise_platform_qt)
    target_compile_definitions(making_bench PRIVATE PICKWISE_SYSTEM_RANDOM)
endif()
