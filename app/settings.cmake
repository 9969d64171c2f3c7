# The settings file: ReadSetting/WriteSetting over the private-profile functions (Windows) or our
# own reader and editor of profile text with the same semantics (Linux).
add_library(torvane_settings STATIC
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/profile_file_${TORVANE_PLATFORM}.cpp
)
if(NOT WIN32)
    target_sources(torvane_settings PRIVATE ${CMAKE_CURRENT_LIST_DIR}/profile_document.cpp)
endif()
target_link_libraries(torvane_settings PUBLIC torvane_app)
