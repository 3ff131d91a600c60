# Shared part of the two mingw-w64 toolchains. The including file sets
# VEXLAN_MINGW_TRIPLET (i686-w64-mingw32 or x86_64-w64-mingw32),
# CMAKE_SYSTEM_PROCESSOR, VEXLAN_WINE_ARCH (win32 or win64),
# VEXLAN_MINGW_RUNTIME_FLAGS and VEXLAN_MINGW_RUNTIME_DLLS.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: std::thread, std::mutex and std::call_once work.
set(CMAKE_C_COMPILER ${VEXLAN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEXLAN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VEXLAN_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VEXLAN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Header-only packages of the build machine that serve the target as well.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/cli11)

# How the gcc runtime is linked (VEXLAN_MINGW_RUNTIME_FLAGS, from the
# including file). Runtime DLLs that it leaves are listed in
# VEXLAN_MINGW_RUNTIME_DLLS; cmake/WindowsRuntime.cmake puts them beside ours.
set(CMAKE_EXE_LINKER_FLAGS_INIT "${VEXLAN_MINGW_RUNTIME_FLAGS}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${VEXLAN_MINGW_RUNTIME_FLAGS}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${VEXLAN_MINGW_RUNTIME_FLAGS}")

# ctest (and test discovery) run the Windows programs under Wine, in a Wine
# prefix of the build's own (see run-under-wine).
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/run-under-wine ${VEXLAN_WINE_ARCH} ${CMAKE_BINARY_DIR}/wine-prefix)
