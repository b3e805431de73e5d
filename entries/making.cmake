# Making entries: typed entries, computer suggestions, editing one entry.
pickwise_rules(pickwise_making_rules
    ${CMAKE_CURRENT_LIST_DIR}/entryrules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/suggest.cpp
)
target_link_libraries(pickwise_making_rules PUBLIC pickwise_core)

if(PICKWISE_BUILD_WINDOWS)
    pickwise_windows(pickwise_making_windows
        ${CMAKE_CURRENT_LIST_DIR}/form5.cpp
        ${CMAKE_CURRENT_LIST_DIR}/editentry.cpp
    )
    target_link_libraries(pickwise_making_windows
        PUBLIC pickwise_making_rules pickwise_mainwindow_rules pickwise_platform_qt)
endif()
