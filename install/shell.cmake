# torvane_install_shell: deletion to the Recycle Bin or trash, change notifications, shortcuts.

add_library(torvane_install_shell STATIC
    shell_ops.cpp
    shell_paths.cpp
    shell_ops_${TORVANE_PLATFORM}.cpp
)
target_link_libraries(torvane_install_shell PUBLIC torvane_platform)
if(WIN32)
    target_link_libraries(torvane_install_shell PRIVATE ole32 shell32 uuid)
else()
    target_sources(torvane_install_shell PRIVATE shell_desktop_entry_posix.cpp)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(GIO REQUIRED IMPORTED_TARGET gio-2.0)
    target_link_libraries(torvane_install_shell PRIVATE PkgConfig::GIO)
endif()
