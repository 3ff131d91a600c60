# 64-bit Windows (the programs that use Nodrix) with Debian's mingw-w64
# cross compiler.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VEXLAN_MINGW_TRIPLET x86_64-w64-mingw32)
set(VEXLAN_WINE_ARCH win64)

# 64-bit code unwinds through Windows' own tables, across DLLs, so the whole
# gcc runtime is linked into each program and DLL: nothing but Windows' DLLs
# and ours has to lie beside them.
set(VEXLAN_MINGW_RUNTIME_FLAGS "-static")
set(VEXLAN_MINGW_RUNTIME_DLLS "")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
