# 32-bit Windows (the host of Vexlan) with Debian's mingw-w64 cross compiler.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VEXLAN_MINGW_TRIPLET i686-w64-mingw32)
set(VEXLAN_WINE_ARCH win32)

# 32-bit code unwinds with DWARF tables, and an exception thrown in one DLL
# (the translator's) and caught in another (Vexlan) needs one unwinder for
# the whole process: libgcc stays a DLL (libgcc_s_dw2-1.dll, which needs
# libwinpthread-1.dll), installed beside ours. libstdc++ is linked into each
# module, so that a host's own libstdc++ DLL never meets ours.
set(VEXLAN_MINGW_RUNTIME_FLAGS "-shared-libgcc -static-libstdc++")
set(VEXLAN_MINGW_RUNTIME_DLLS libgcc_s_dw2-1.dll libwinpthread-1.dll)

include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
