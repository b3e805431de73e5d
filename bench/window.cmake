# Work done through the main window with its lists shown (offscreen): computer
# suggestions listed as they come, and deleting listed entries.
if(TARGET pickwise_mainwindow_windows AND TARGET pickwise_making_windows)
    add_executable(window_bench ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
    target_link_libraries(window_bench PRIVATE pickwise_mainwindow_windows
        pickwise_making_windows pickwise_platform_fakes pickwise_test_support
        benchmark::benchmark)
    target_compile_definitions(window_bench PRIVATE PICKWISE_BENCH_WINDOW=1)
endif()
