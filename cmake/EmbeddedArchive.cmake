# The embedded archive: built at configure time from files in resources/ (reproducibly: fixed
# times and attributes), as generated/embedded.zip for the Windows resource and
# generated/embedded_archive_data.cpp for the Linux binary.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TORVANE_EMBEDDED_INPUTS
    ${PROJECT_SOURCE_DIR}/resources/systemset.ini
    ${PROJECT_SOURCE_DIR}/resources/uninstall.ico)
set(TORVANE_EMBEDDED_ZIP ${TORVANE_GENERATED_DIR}/embedded.zip)
set(TORVANE_EMBEDDED_CPP ${TORVANE_GENERATED_DIR}/embedded_archive_data.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${TORVANE_EMBEDDED_INPUTS} ${PROJECT_SOURCE_DIR}/tools/make-embedded-zip.py)
execute_process(
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-embedded-zip.py
            ${TORVANE_EMBEDDED_ZIP} ${TORVANE_EMBEDDED_CPP} ${TORVANE_EMBEDDED_INPUTS}
    COMMAND_ERROR_IS_FATAL ANY)
