pickwise_gtest(making_rules_test
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/suggest_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/entryrules_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/entrygame_test.cpp
    LIBS pickwise_making_rules pickwise_platform_fakes)

if(PICKWISE_BUILD_WINDOWS)
    pickwise_qttest(making_windows_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/making_windows_test.cpp
        LIBS pickwise_making_windows pickwise_platform_fakes)
endif()

if(PICKWISE_BUILD_WINDOWS)
    pickwise_qttest(making_game_windows_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/making_game_windows_test.cpp
        LIBS pickwise_making_windows pickwise_platform_fakes)
endif()
