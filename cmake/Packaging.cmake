# install_package(<package> <target>...): installs the targets into lib/ and
# the CMake package <package> into lib/cmake/<package>, so that
# find_package(<package> CONFIG REQUIRED) gives <package>::<target>.
function(install_package package)
    set(destination ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
    install(TARGETS ${ARGN} EXPORT ${package}Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT ${package}Targets
        NAMESPACE ${package}::
        DESTINATION ${destination})
    configure_package_config_file(
        ${PROJECT_SOURCE_DIR}/cmake/PackageConfig.cmake.in
        ${PROJECT_BINARY_DIR}/cmake/${package}Config.cmake
        INSTALL_DESTINATION ${destination})
    write_basic_package_version_file(
        ${PROJECT_BINARY_DIR}/cmake/${package}ConfigVersion.cmake
        COMPATIBILITY SameMajorVersion)
    install(FILES
        ${PROJECT_BINARY_DIR}/cmake/${package}Config.cmake
        ${PROJECT_BINARY_DIR}/cmake/${package}ConfigVersion.cmake
        DESTINATION ${destination})
endfunction()

# Install contract:
#   P/include/vexlan/vexlan.h, P/include/vexlan/vexlan_options.h
#   P/lib/libVexlan.so (Vexlan.dll and its import library on Windows)
#   P/lib/cmake/Vexlan: find_package(Vexlan CONFIG REQUIRED) -> Vexlan::Vexlan
#   P/share/vexlan/res/OptionsMaster.opt
if(TARGET Vexlan)
    install_package(Vexlan Vexlan)
endif()

# Install contract (Nodrix):
#   P/include/nodrix/nodrix.h, P/include/arborkit/arborkit.h,
#   P/include/winapi/windows_api.h (and the window API stand-in's header off Windows)
#   P/lib/libNodrix.so, libArborkit.so, libwinapi.so off Windows (Nodrix.dll and
#   Arborkit.dll with their import libraries on Windows)
#   P/lib/cmake/Nodrix: find_package(Nodrix CONFIG REQUIRED) -> Nodrix::Nodrix
#   (which brings Nodrix::Arborkit and Nodrix::winapi along)
if(TARGET Nodrix)
    install_package(Nodrix Nodrix Arborkit winapi)
endif()
