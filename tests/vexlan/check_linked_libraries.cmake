# Checks the dynamic section of an ELF shared library:
#   -DREADELF=<readelf> -DLIBRARY=<file>
#   -DNEEDED=<names that must be NEEDED> -DNOT_NEEDED=<names that must not be>
# and that the library's search path is a RUNPATH, never an RPATH, so that
# LD_LIBRARY_PATH wins over it.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${READELF} -d ${LIBRARY}
    RESULT_VARIABLE result OUTPUT_VARIABLE dynamic ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${READELF} -d ${LIBRARY} failed: ${errors}")
endif()

string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]\n]*\\]" entries "${dynamic}")
set(needed)
foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".*\\[(.*)\\]" "\\1" name "${entry}")
    list(APPEND needed ${name})
endforeach()
message(STATUS "NEEDED: ${needed}")


foreach(name IN LISTS NEEDED)
    if(NOT name IN_LIST needed)
        message(FATAL_ERROR "${LIBRARY} does not link ${name}")
    endif()
endforeach()
foreach(name IN LISTS NOT_NEEDED)
    if(name IN_LIST needed)
        message(FATAL_ERROR "${LIBRARY} must not link ${name}: it is loaded at run time")
    endif()
endforeach()

if(dynamic MATCHES "\\(RPATH\\)")
    message(FATAL_ERROR "${LIBRARY} has an RPATH, which LD_LIBRARY_PATH cannot override")
endif()
if(NOT dynamic MATCHES "\\(RUNPATH\\)")
    message(FATAL_ERROR "${LIBRARY} has no RUNPATH")
endif()
