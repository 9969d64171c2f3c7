# GoogleTest for both builds: Debian's libgtest-dev natively, its sources cross-compiled for
# Windows. Test programs for Windows run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
enable_testing()

if(TORVANE_FUZZ)
    return()
endif()

if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()

# torvane_add_test(NAME name SOURCES ... LIBRARIES ...): one test program, one ctest entry, so
# that Wine starts once per program rather than once per case.
function(torvane_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} GTest::gtest_main)
    if(WIN32)
        target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/resources/strings.rc)
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
endfunction()

# torvane_fresh_wine_prefix(TEST name PREFIX folder): `name` runs in a Wine prefix of its own,
# made afresh before every run and whose wineserver is ended afterwards (ctest fixtures).
function(torvane_fresh_wine_prefix)
    cmake_parse_arguments(P "" "TEST;PREFIX" "" ${ARGN})
    add_test(NAME ${P_TEST}_prefix_reset COMMAND ${CMAKE_COMMAND} -E rm -rf ${P_PREFIX})
    add_test(NAME ${P_TEST}_prefix_stop
        COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${P_PREFIX} wineserver -k)
    set_tests_properties(${P_TEST}_prefix_reset PROPERTIES FIXTURES_SETUP ${P_TEST}_prefix)
    set_tests_properties(${P_TEST}_prefix_stop PROPERTIES FIXTURES_CLEANUP ${P_TEST}_prefix)
    set_tests_properties(${P_TEST} PROPERTIES FIXTURES_REQUIRED ${P_TEST}_prefix
        ENVIRONMENT TORVANE_WINE_PREFIX=${P_PREFIX})
endfunction()
