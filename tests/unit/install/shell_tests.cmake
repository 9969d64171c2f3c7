# shell_tests: deletion, change notifications and shortcuts, natively and under Wine.
set(shell_test_sources
    shell_ops_test.cpp
    shell_ops_${TORVANE_PLATFORM}_test.cpp
)
torvane_add_test(NAME shell_tests SOURCES ${shell_test_sources} LIBRARIES torvane_install_shell)
if(WIN32)
    target_link_libraries(shell_tests PRIVATE ole32 shell32 uuid)
else()
    # The tests read entries back with GLib's own key-file and command-line parsers.
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(GIO REQUIRED IMPORTED_TARGET gio-2.0)
    target_link_libraries(shell_tests PRIVATE PkgConfig::GIO)
endif()

if(WIN32)
    # Wine keeps its Recycle Bin in $XDG_DATA_HOME/Trash: keep it in the build folder, away from
    # the host's own trash, and empty it before each run.
    set(shell_tests_data ${CMAKE_CURRENT_BINARY_DIR}/shell-tests-data)
    add_test(NAME shell_tests_trash_reset COMMAND ${CMAKE_COMMAND}
        -D TRASH=${shell_tests_data}/Trash -P ${CMAKE_CURRENT_SOURCE_DIR}/shell_tests_trash_reset.cmake)
    set_tests_properties(shell_tests_trash_reset PROPERTIES FIXTURES_SETUP shell_trash)
    set_tests_properties(shell_tests PROPERTIES
        ENVIRONMENT "XDG_DATA_HOME=${shell_tests_data}" FIXTURES_REQUIRED shell_trash)
endif()
