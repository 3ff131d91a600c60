# Build information of the Vexlan library.
#
# vexlan_add_build_info(<library> OBJECTS <object library> TEMPLATE <file.in>)
#
# Adds to <library> a source generated at build time that holds the release
# version and the eight build-information lines: the compiler with its
# options, the link options, the preprocessor definitions and include
# directories, the library's file name, the operating system, the build time
# and the build number.
#
# The options are gathered when CMake configures (they are the real ones of
# <object library> and <library>); the time is taken when the source is
# generated. It is generated again only when an object of <object library>
# or the gathered options change, so an unchanged tree builds nothing and the
# time shown is that of the last real change. SOURCE_DATE_EPOCH, when set,
# fixes the time for reproducible builds.
#
# The release version is PROJECT_VERSION (year.release.update) followed by
# "-CL" and the change-list number: VEXLAN_CHANGE_LIST when given, else the
# number of commits of the source tree's git history, else 0.

set(VEXLAN_BUILD_INFO_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/GenerateBuildInfo.cmake)

function(vexlan_change_list out)
    if(DEFINED VEXLAN_CHANGE_LIST)
        set(number ${VEXLAN_CHANGE_LIST})
    else()
        set(number 0)
        find_package(Git QUIET)
        if(GIT_FOUND)
            execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
                WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE count OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE result ERROR_QUIET)
            if(result EQUAL 0 AND count MATCHES "^[0-9]+$")
                set(number ${count})
            endif()
        endif()
    endif()
    if(NOT number MATCHES "^[0-9]+$")
        message(FATAL_ERROR "VEXLAN_CHANGE_LIST must be a number, not '${number}'")
    endif()
    string(LENGTH "${number}" length)
    while(length LESS 5)
        string(PREPEND number 0)
        math(EXPR length "${length} + 1")
    endwhile()
    set(${out} ${number} PARENT_SCOPE)
endfunction()

function(vexlan_add_build_info library)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "OBJECTS;TEMPLATE" "")
    set(objects ${arg_OBJECTS})

    vexlan_change_list(change_list)
    set(release
        "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}-CL${change_list}")

    string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
    set(compile_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}}")
    get_target_property(visibility ${objects} CXX_VISIBILITY_PRESET)
    if(visibility AND CMAKE_CXX_COMPILE_OPTIONS_VISIBILITY)
        string(APPEND compile_flags " ${CMAKE_CXX_COMPILE_OPTIONS_VISIBILITY}${visibility}")
    endif()
    string(APPEND compile_flags " ${CMAKE_CXX${CMAKE_CXX_STANDARD}_STANDARD_COMPILE_OPTION}")
    string(APPEND compile_flags " ${CMAKE_CXX_COMPILE_OPTIONS_PIC}")
    set(link_flags "${CMAKE_SHARED_LIBRARY_CREATE_CXX_FLAGS} ${CMAKE_SHARED_LINKER_FLAGS} ${CMAKE_SHARED_LINKER_FLAGS_${config}}")

    set(options_genex "$<REMOVE_DUPLICATES:$<TARGET_PROPERTY:${objects},COMPILE_OPTIONS>>")
    set(definitions_genex
        "$<REMOVE_DUPLICATES:$<TARGET_PROPERTY:${objects},COMPILE_DEFINITIONS>>")
    set(includes_genex "$<REMOVE_DUPLICATES:$<TARGET_PROPERTY:${objects},INCLUDE_DIRECTORIES>>")
    set(link_genex "$<REMOVE_DUPLICATES:$<TARGET_PROPERTY:${library},LINK_OPTIONS>>")

    set(dir ${CMAKE_CURRENT_BINARY_DIR}/build_info)
    set(inputs ${dir}/build_info_inputs.cmake)
    set(output ${dir}/build_info.cpp)
    file(GENERATE OUTPUT ${inputs} CONTENT
"set(VX_COMPILER_ID [==[${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}]==])
set(VX_COMPILE_FLAGS [==[${compile_flags} $<JOIN:${options_genex}, >]==])
set(VX_LINK_OPTIONS [==[${link_flags} $<JOIN:${link_genex}, >]==])
set(VX_LINKER_WRAPPER [==[${CMAKE_CXX_LINKER_WRAPPER_FLAG}]==])
set(VX_PREPROCESSOR [==[$<$<BOOL:${definitions_genex}>:-D$<JOIN:${definitions_genex}, -D>> $<$<BOOL:${includes_genex}>:-I$<JOIN:${includes_genex}, -I>>]==])
set(VX_LIBRARY_NAME [==[$<TARGET_FILE_NAME:${library}>]==])
set(VX_BUILD_SYSTEM [==[${CMAKE_HOST_SYSTEM_NAME} ${CMAKE_HOST_SYSTEM_VERSION}]==])
set(VX_RELEASE_VERSION [==[${release}]==])
")

    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUTS=${inputs} -DTEMPLATE=${arg_TEMPLATE}
                -DOUTPUT=${output} -P ${VEXLAN_BUILD_INFO_SCRIPT}
        DEPENDS ${inputs} ${arg_TEMPLATE} ${VEXLAN_BUILD_INFO_SCRIPT}
                $<TARGET_OBJECTS:${objects}>
        COMMENT "Stamping the build information of ${library}"
        VERBATIM)
    target_sources(${library} PRIVATE ${output})
    set_property(TARGET ${library} PROPERTY VEXLAN_RELEASE_VERSION ${release})
endfunction()
