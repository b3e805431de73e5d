# Main window start-up over a 32767-draw history with 2500 listed entries.
if(TARGET pickwise_mainwindow_windows)
    add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
    target_link_libraries(startup_bench PRIVATE pickwise_mainwindow_windows
        pickwise_platform_fakes pickwise_test_support benchmark::benchmark)
    target_compile_definitions(startup_bench PRIVATE PICKWISE_BENCH_WINDOW=1)
endif()
