# installation_tests: the whole installation pass, run by stand-in launchers of three versions
# (1.0.0.0, 1.0.0.1, 1.0.0.2), each named like the launcher, in a folder of its own.
foreach(minor 0 1 2)
    set(runner install_runner_100${minor})
    add_executable(${runner}
        ${CMAKE_CURRENT_LIST_DIR}/runner/install_runner.cpp
        ${CMAKE_CURRENT_LIST_DIR}/runner/runner_host_${TORVANE_PLATFORM}.cpp)
    target_link_libraries(${runner} PRIVATE torvane_install)
    if(WIN32)
        target_sources(${runner} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/runner/runner_100${minor}.rc)
        set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/runner/runner_100${minor}.rc
            PROPERTIES OBJECT_DEPENDS "${TORVANE_EMBEDDED_ZIP};${CMAKE_CURRENT_LIST_DIR}/runner/runner_common.rc")
        set(runner_name Torvane)
    else()
        target_sources(${runner} PRIVATE ${PROJECT_SOURCE_DIR}/update/version_note_posix.cpp)
        target_compile_definitions(${runner} PRIVATE TORVANE_VERSION_NOTE_TEXT="1.0.0.${minor}")
        set(runner_name torvane)
    endif()
    set_target_properties(${runner} PROPERTIES OUTPUT_NAME ${runner_name}
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/runner-100${minor})
    list(APPEND installation_runners ${runner})
endforeach()

torvane_add_test(NAME installation_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/installation_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/install_probe_${TORVANE_PLATFORM}.cpp
            ${CMAKE_CURRENT_LIST_DIR}/run_program_${TORVANE_PLATFORM}.cpp
    LIBRARIES torvane_install)
target_compile_definitions(installation_tests PRIVATE RUNNER_DIR="${CMAKE_CURRENT_BINARY_DIR}")
add_dependencies(installation_tests ${installation_runners})

if(WIN32)
    torvane_fresh_wine_prefix(TEST installation_tests
        PREFIX ${CMAKE_BINARY_DIR}/wine-prefix-installation)
endif()
