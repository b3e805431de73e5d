pickwise_gtest(checking_rules_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/historycheck_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/historycheck_games_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/filter_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/optimiser_test.cpp
    LIBS pickwise_checking_rules pickwise_platform_fakes)

if(PICKWISE_BUILD_WINDOWS)
    pickwise_qttest(checking_windows_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/checking_windows_test.cpp
        LIBS pickwise_checking_windows pickwise_platform_fakes)
    pickwise_qttest(historycheck_games_windows_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/historycheck_games_windows_test.cpp
        LIBS pickwise_checking_windows pickwise_platform_fakes)
endif()
