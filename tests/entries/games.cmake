# The optimiser and the filter for each game.
if(PICKWISE_BUILD_WINDOWS)
    pickwise_qttest(entries_game_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/optimisergame_test.cpp
        LIBS pickwise_checking_windows pickwise_platform_fakes)
endif()
if(PICKWISE_BUILD_WINDOWS)
    pickwise_qttest(filter_game_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/filtergame_test.cpp
        LIBS pickwise_checking_windows pickwise_platform_fakes)
endif()
