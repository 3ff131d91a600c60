# CLI11 for a cross build. CLI11 is header-only, so the build machine's
# headers (Debian's libcli11-dev) serve any target; they are staged into the
# build tree on their own, because adding the build machine's include
# directory to a cross build would put its C library's headers before the
# target's.
set(VEXLAN_CLI11_HEADERS /usr/include/CLI CACHE PATH "CLI11's headers on the build machine")
if(NOT EXISTS ${VEXLAN_CLI11_HEADERS}/CLI.hpp)
    set(CLI11_FOUND FALSE)
    set(CLI11_NOT_FOUND_MESSAGE "no CLI11 headers in ${VEXLAN_CLI11_HEADERS} (libcli11-dev)")
    return()
endif()
set(staged ${CMAKE_BINARY_DIR}/third_party/cli11/include)
file(COPY ${VEXLAN_CLI11_HEADERS} DESTINATION ${staged})
if(NOT TARGET CLI11::CLI11)
    add_library(CLI11::CLI11 INTERFACE IMPORTED)
    set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staged})
endif()
set(CLI11_FOUND TRUE)
