# Checks that a built libNodrix exports every facade member of a list, by the
# names `nm -DC` gives them.
#
#   cmake -DNM=<nm> -DLIBRARY=<libNodrix.so> -DEXPECTED=<list> -P check_facade_exports.cmake
#
# The list holds one demangled signature per line; blank lines and lines
# starting with # are skipped. A member counts as exported when nm lists it
# as a defined, global code symbol (type T) with exactly that signature.
cmake_minimum_required(VERSION 3.25)

foreach(variable NM LIBRARY EXPECTED)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "check_facade_exports.cmake needs -D${variable}=...")
    endif()
endforeach()

execute_process(COMMAND ${NM} -DC --defined-only ${LIBRARY}
    OUTPUT_VARIABLE symbols ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} -DC ${LIBRARY} failed (${result}): ${errors}")
endif()
# The C++11 string ABI tag on the members returning std::wstring says nothing
# about the interface.
string(REPLACE "[abi:cxx11]" "" symbols "${symbols}")

file(STRINGS ${EXPECTED} members REGEX "^[^#]")
set(missing "")
set(count 0)
foreach(member IN LISTS members)
    math(EXPR count "${count} + 1")
    string(FIND "${symbols}" " T ${member}\n" at)
    if(at EQUAL -1)
        string(APPEND missing "\n  ${member}")
    endif()
endforeach()

if(count EQUAL 0)
    message(FATAL_ERROR "${EXPECTED} names no member")
endif()
if(missing)
    message(FATAL_ERROR "${LIBRARY} does not export:${missing}")
endif()
message(STATUS "all ${count} facade members are exported")
