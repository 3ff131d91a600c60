# GoogleTest: the system package on a native build; built from Debian's
# googletest sources when cross-compiling.
if(CMAKE_CROSSCOMPILING)
    set(VEXLAN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${VEXLAN_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/third_party/googletest
                     EXCLUDE_FROM_ALL SYSTEM)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)
