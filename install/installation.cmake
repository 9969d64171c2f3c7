# torvane_install: the installation pass over the ZIP reader, the shell helpers and the settings.
if(TORVANE_FUZZ)
    return()
endif()

add_library(torvane_install STATIC
    ${CMAKE_CURRENT_LIST_DIR}/installation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/install_system_${TORVANE_PLATFORM}.cpp
)
if(WIN32)
    # The archive is resource "ZIP" 269 of whichever executable links this (resources/embedded_zip.rc).
    target_sources(torvane_install PRIVATE ${CMAKE_CURRENT_LIST_DIR}/embedded_archive_win.cpp)
else()
    target_sources(torvane_install PRIVATE ${TORVANE_EMBEDDED_CPP})
endif()
target_link_libraries(torvane_install PUBLIC torvane_install_zip torvane_install_shell
    torvane_settings torvane_update torvane_app)
