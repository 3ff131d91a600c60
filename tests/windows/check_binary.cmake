# Checks a Windows binary (DLL or program) as Windows' loader sees it,
# through `objdump -p`:
#   FORMAT          the file format objdump reports (pei-i386, pei-x86-64);
#   PLAIN           functions exported under exactly these names;
#   DATA            data exported under exactly these names;
#   DECORATED       items exported under their decorated (mangled) names:
#                     name               a free function, any overload
#                     Scope::name        a member or namespace function
#                     Class::Class       the constructors, Class::~Class the
#                                        destructors
#                     Class::*           every member, the vtable and the
#                                        type information of the class
#                   every item must be there, except for Class::* items;
#   IMPORTS         DLLs that must be imported;
#   NOT_IMPORTS     DLLs that must not be imported;
#   BESIDE_DIR      when given, every imported DLL must lie in this directory
#                   or be one of Windows' own (SYSTEM_DLLS).
# Lists are comma-separated. When PLAIN, DATA or DECORATED is given,
# nothing else may be exported, and no exported name carries an "@N" suffix
# or a leading underscore of the C calling convention.
#
#   cmake -DOBJDUMP=... -DBINARY=... -DFORMAT=... [-DPLAIN=a,b ...] -P check_binary.cmake
cmake_minimum_required(VERSION 3.25)

set(check_exports FALSE)
foreach(list PLAIN DATA DECORATED IMPORTS NOT_IMPORTS)
    if(DEFINED ${list})
        string(REPLACE "," ";" ${list} "${${list}}")
        if(list MATCHES "^(PLAIN|DATA|DECORATED)$")
            set(check_exports TRUE)
        endif()
    endif()
endforeach()

set(SYSTEM_DLLS
    advapi32.dll bcrypt.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll
    ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll ws2_32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${BINARY}
    OUTPUT_VARIABLE dump RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${BINARY} failed: ${error}")
endif()
get_filename_component(binary_name ${BINARY} NAME)

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

# --- file format --------------------------------------------------------
if(NOT dump MATCHES "file format ([^\n]+)")
    message(FATAL_ERROR "no file format in the objdump output for ${BINARY}")
endif()
set(format ${CMAKE_MATCH_1})
if(NOT format STREQUAL FORMAT)
    fail("file format ${format}, expected ${FORMAT}")
endif()

# --- imports and exports ------------------------------------------------
string(REPLACE ";" "\\;" dump "${dump}")
string(REPLACE "\n" ";" lines "${dump}")
set(imports "")
set(exports "")
set(in_export_names FALSE)
foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*DLL Name: (.+)$")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
        list(APPEND imports ${dll})
    elseif(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
        set(in_export_names TRUE)
    elseif(in_export_names AND line MATCHES "^[ \t]*\\[ *[0-9]+\\] (.+)$")
        list(APPEND exports "${CMAKE_MATCH_1}")
    elseif(in_export_names)
        set(in_export_names FALSE)
    endif()
endforeach()

foreach(dll IN LISTS IMPORTS)
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST imports)
        fail("does not import ${dll}")
    endif()
endforeach()
foreach(dll IN LISTS NOT_IMPORTS)
    string(TOLOWER "${dll}" dll)
    if(dll IN_LIST imports)
        fail("imports ${dll}, which must not be bound at load time")
    endif()
endforeach()
if(BESIDE_DIR)
    file(GLOB beside RELATIVE ${BESIDE_DIR} ${BESIDE_DIR}/*.dll)
    list(TRANSFORM beside TOLOWER)
    foreach(dll IN LISTS imports)
        if(NOT dll IN_LIST beside AND NOT dll IN_LIST SYSTEM_DLLS
           AND NOT dll MATCHES "^api-ms-win-")
            fail("needs ${dll}, which is neither beside it nor part of Windows")
        endif()
    endforeach()
endif()

# --- export names -------------------------------------------------------
# The start of the mangled names of a DECORATED item, as a regular expression.
function(decorated_pattern item out)
    if(item MATCHES "^([A-Za-z_][A-Za-z0-9_]*)::(~?)([A-Za-z_*][A-Za-z0-9_]*)$")
        set(scope ${CMAKE_MATCH_1})
        set(tilde ${CMAKE_MATCH_2})
        set(member ${CMAKE_MATCH_3})
        string(LENGTH ${scope} scope_length)
        set(scoped "${scope_length}${scope}")
        if(member STREQUAL "*")
            set(pattern "^_Z(NK?${scoped}|T[VIS]${scoped})")
        elseif(member STREQUAL scope)
            set(kind "C")
            if(tilde)
                set(kind "D")
            endif()
            set(pattern "^_ZN${scoped}${kind}[0-9]")
        else()
            string(LENGTH ${member} member_length)
            set(pattern "^_ZNK?${scoped}${member_length}${member}")
        endif()
    elseif(item MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
        string(LENGTH ${item} length)
        set(pattern "^_Z${length}${item}")
    else()
        message(FATAL_ERROR "cannot read the DECORATED item '${item}'")
    endif()
    set(${out} "${pattern}" PARENT_SCOPE)
endfunction()

foreach(name IN LISTS PLAIN DATA)
    if(NOT name IN_LIST exports)
        fail("${name} is not exported under its plain name")
    endif()
endforeach()

set(patterns "")
foreach(item IN LISTS DECORATED)
    decorated_pattern("${item}" pattern)
    list(APPEND patterns "${pattern}")
    set(found ${exports})
    list(FILTER found INCLUDE REGEX "${pattern}")
    if(found STREQUAL "" AND NOT item MATCHES "::\\*$")
        fail("${item} is not exported under its decorated name")
    endif()
endforeach()

if(check_exports)
    foreach(name IN LISTS exports)
        if(name MATCHES "@[0-9]+$")
            fail("${name} carries a calling-convention suffix")
        endif()
    endforeach()
    set(unknown ${exports})
    foreach(name IN LISTS PLAIN DATA)
        list(REMOVE_ITEM unknown "${name}")
    endforeach()
    foreach(pattern IN LISTS patterns)
        list(FILTER unknown EXCLUDE REGEX "${pattern}")
    endforeach()
    foreach(name IN LISTS unknown)
        fail("${name} is exported but is no part of the interface")
    endforeach()
endif()

if(failures)
    message(FATAL_ERROR "${binary_name}:\n${failures}")
endif()
list(LENGTH exports export_count)
message(STATUS "${binary_name}: ${format}, ${export_count} exports, imports ${imports}")
