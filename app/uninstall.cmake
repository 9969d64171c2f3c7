# torvane_uninstall: the two stages of uninstalling.
if(TORVANE_FUZZ)
    return()
endif()
add_library(torvane_uninstall STATIC ${CMAKE_CURRENT_LIST_DIR}/uninstall.cpp)
target_link_libraries(torvane_uninstall PUBLIC torvane_install torvane_update torvane_app)
