# Uninstalling end to end with the real Torvane.exe, in a Wine prefix of its own made afresh for
# every run.
torvane_add_test(NAME uninstall_e2e_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/uninstall_e2e_test_win.cpp
    LIBRARIES torvane_platform)
target_compile_definitions(uninstall_e2e_tests PRIVATE TORVANE_EXE_HOST_PATH="$<TARGET_FILE:Torvane>")
add_dependencies(uninstall_e2e_tests Torvane)
set(uninstall_prefix ${CMAKE_BINARY_DIR}/wine-prefix-uninstall)
add_test(NAME uninstall_prefix_reset COMMAND ${CMAKE_COMMAND} -E rm -rf ${uninstall_prefix})
add_test(NAME uninstall_prefix_stop
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${uninstall_prefix} wineserver -k)
set_tests_properties(uninstall_prefix_reset PROPERTIES FIXTURES_SETUP uninstall_prefix)
set_tests_properties(uninstall_prefix_stop PROPERTIES FIXTURES_CLEANUP uninstall_prefix)
set_tests_properties(uninstall_e2e_tests PROPERTIES FIXTURES_REQUIRED uninstall_prefix
    ENVIRONMENT TORVANE_WINE_PREFIX=${uninstall_prefix} RESOURCE_LOCK torvane_display)
