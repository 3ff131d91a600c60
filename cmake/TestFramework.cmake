# GoogleTest: the system package on a native build; built from Debian's
# googletest sources when cross-compiling.
if(CMAKE_CROSSCOMPILING)
    set(VEXLAN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${VEXLAN_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/third_party/googletest
                     EXCLUDE_FROM_ALL SYSTEM)
    # GoogleTest names its targets GTest::... itself from version 1.11 on.
    foreach(library gtest gtest_main gmock gmock_main)
        if(NOT TARGET GTest::${library})
            add_library(GTest::${library} ALIAS ${library})
        endif()
    endforeach()
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# The build machine's absolute paths as the test programs see them: as they
# are, and below drive Z: (Wine's drive for /) for Windows programs under
# Wine. A path compiled into a test is "${VEXLAN_TEST_PATH_PREFIX}<path>"
# where the test may leave Wine's Z: drive (change its working directory).
set(VEXLAN_TEST_PATH_PREFIX "")
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(VEXLAN_TEST_PATH_PREFIX "Z:")
endif()

if(CMAKE_CROSSCOMPILING)
    # A cross-built test program runs under an emulator (Wine). Asking every
    # program for its list of cases at build time would start the emulator
    # once more per program and parse its console output; instead the cases
    # are read from the program's sources, and each case is still a ctest
    # test and a process of its own, as in a native build. The suites call
    # gtest_discover_tests as usual and get this version.
    #
    # A case whose filter selects nothing fails instead of passing silently;
    # exit code 125 (cmake/toolchains/run-under-wine: the emulator cannot
    # run programs on this machine) marks the case as skipped.
    function(gtest_discover_tests target)
        cmake_parse_arguments(PARSE_ARGV 1 arg ""
            "WORKING_DIRECTORY;TEST_PREFIX;TEST_SUFFIX;TEST_LIST;DISCOVERY_TIMEOUT;DISCOVERY_MODE;XML_OUTPUT_DIR"
            "EXTRA_ARGS;PROPERTIES")
        if(arg_TEST_PREFIX OR arg_TEST_SUFFIX)
            message(FATAL_ERROR "gtest_discover_tests(${target}): TEST_PREFIX and TEST_SUFFIX "
                                "are not supported when cross-compiling")
        endif()
        get_target_property(sources ${target} SOURCES)
        list(FILTER sources EXCLUDE REGEX "^\\$<")
        set(working_directory "")
        if(arg_WORKING_DIRECTORY)
            set(working_directory WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
        endif()
        gtest_add_tests(TARGET ${target} SOURCES ${sources} ${working_directory}
            EXTRA_ARGS ${arg_EXTRA_ARGS} TEST_LIST cases)
        if(NOT cases)
            message(FATAL_ERROR "gtest_discover_tests(${target}): no test cases in its sources")
        endif()
        set_tests_properties(${cases} PROPERTIES
            FAIL_REGULAR_EXPRESSION "\\[==========\\] 0 tests from"
            SKIP_RETURN_CODE 125)
        if(arg_PROPERTIES)
            set_tests_properties(${cases} PROPERTIES ${arg_PROPERTIES})
        endif()
        if(arg_TEST_LIST)
            set(${arg_TEST_LIST} ${cases} PARENT_SCOPE)
        endif()
    endfunction()
endif()
