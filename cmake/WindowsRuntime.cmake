# The gcc runtime DLLs that a mingw-w64 build leaves to load at run time
# (VEXLAN_MINGW_RUNTIME_DLLS, from the toolchain file): copied into the
# build's bin/, where every program and DLL of the build lies, and installed
# beside the installed DLLs, so that Windows' DLL search finds them next to
# whatever needs them.
set(runtime_files "")
foreach(name IN LISTS VEXLAN_MINGW_RUNTIME_DLLS)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not provide the runtime DLL ${name}")
    endif()
    file(REAL_PATH "${path}" path)
    list(APPEND runtime_files ${path})
endforeach()

if(runtime_files)
    file(COPY ${runtime_files} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    install(FILES ${runtime_files} DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()
