# Uninstalling end to end with the real Torvane.exe, in a Wine prefix of its own made afresh for
# every run.
torvane_add_test(NAME uninstall_e2e_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/uninstall_e2e_test_win.cpp
    LIBRARIES torvane_platform)
target_compile_definitions(uninstall_e2e_tests PRIVATE TORVANE_EXE_HOST_PATH="$<TARGET_FILE:Torvane>")
add_dependencies(uninstall_e2e_tests Torvane)
torvane_fresh_wine_prefix(TEST uninstall_e2e_tests PREFIX ${CMAKE_BINARY_DIR}/wine-prefix-uninstall)
set_tests_properties(uninstall_e2e_tests PROPERTIES RESOURCE_LOCK torvane_display)
