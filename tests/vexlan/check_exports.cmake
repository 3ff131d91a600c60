# Checks the export names of the library as a host's loader sees them:
#   * every name of PLAIN_NAMES is exported as a function under exactly that
#     name, so that a host binds it by name;
#   * every other exported function carries its decorated C++ name.
# Data keeps its plain name on this platform: global variables carry no
# decoration here.
#   cmake -DNM=<nm> -DLIBRARY=<shared library> "-DPLAIN_NAMES=a;b" -P check_exports.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${LIBRARY}: ${error}")
endif()

string(REPLACE "\n" ";" lines "${symbols}")
set(functions "")
foreach(line IN LISTS lines)
    # "<address> <kind> <name>": T and W are code.
    if(line MATCHES "^[0-9a-fA-F]* [TW] ([^ ]+)$")
        list(APPEND functions ${CMAKE_MATCH_1})
    endif()
endforeach()

set(failures "")
foreach(name IN LISTS PLAIN_NAMES)
    if(NOT name IN_LIST functions)
        string(APPEND failures "  ${name} is not exported under its plain name\n")
    endif()
endforeach()
foreach(name IN LISTS functions)
    if(NOT name MATCHES "^_Z" AND NOT name IN_LIST PLAIN_NAMES)
        string(APPEND failures "  ${name} is exported undecorated\n")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "export names of ${LIBRARY}:\n${failures}")
endif()
list(LENGTH functions count)
message(STATUS "${count} exported functions; plain names: ${PLAIN_NAMES}")
