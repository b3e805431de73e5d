# History Check, filter and optimiser: rules without Qt, windows over them.
pickwise_rules(pickwise_checking_rules
    ${CMAKE_CURRENT_LIST_DIR}/historycheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optimiser.cpp
)
target_link_libraries(pickwise_checking_rules PUBLIC pickwise_core pickwise_printing_rules)

if(PICKWISE_BUILD_WINDOWS)
    pickwise_windows(pickwise_checking_windows
        ${CMAKE_CURRENT_LIST_DIR}/form6.cpp
        ${CMAKE_CURRENT_LIST_DIR}/form6.h
        ${CMAKE_CURRENT_LIST_DIR}/form10.cpp
        ${CMAKE_CURRENT_LIST_DIR}/form10.h
        ${CMAKE_CURRENT_LIST_DIR}/linkprocess.cpp
        ${CMAKE_CURRENT_LIST_DIR}/linkprocess.h
    )
    target_link_libraries(pickwise_checking_windows
        PUBLIC pickwise_checking_rules pickwise_mainwindow_rules pickwise_platform_qt)
endif()
