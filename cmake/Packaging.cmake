# Install contract:
#   P/include/vexlan/vexlan.h, P/include/vexlan/vexlan_options.h
#   P/lib/libVexlan.so (Vexlan.dll and its import library on Windows)
#   P/lib/cmake/Vexlan: find_package(Vexlan CONFIG REQUIRED) -> Vexlan::Vexlan
#   P/share/vexlan/res/OptionsMaster.opt
if(TARGET Vexlan)
    install(TARGETS Vexlan EXPORT VexlanTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT VexlanTargets
        NAMESPACE Vexlan::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vexlan)
    configure_package_config_file(
        ${PROJECT_SOURCE_DIR}/cmake/VexlanConfig.cmake.in
        ${PROJECT_BINARY_DIR}/cmake/VexlanConfig.cmake
        INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vexlan)
    write_basic_package_version_file(
        ${PROJECT_BINARY_DIR}/cmake/VexlanConfigVersion.cmake
        COMPATIBILITY SameMajorVersion)
    install(FILES
        ${PROJECT_BINARY_DIR}/cmake/VexlanConfig.cmake
        ${PROJECT_BINARY_DIR}/cmake/VexlanConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vexlan)
endif()

# Install contract (Nodrix):
#   P/include/nodrix/nodrix.h, P/include/arborkit/arborkit.h,
#   P/include/winapi/windows_api.h (and the window API stand-in's header off Windows)
#   P/lib/libNodrix.so, libArborkit.so, libwinapi.so off Windows (Nodrix.dll and
#   Arborkit.dll with their import libraries on Windows)
#   P/lib/cmake/Nodrix: find_package(Nodrix CONFIG REQUIRED) -> Nodrix::Nodrix
#   (which brings Nodrix::Arborkit and Nodrix::winapi along)
if(TARGET Nodrix)
    install(TARGETS Nodrix Arborkit winapi EXPORT NodrixTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT NodrixTargets
        NAMESPACE Nodrix::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Nodrix)
    configure_package_config_file(
        ${PROJECT_SOURCE_DIR}/cmake/NodrixConfig.cmake.in
        ${PROJECT_BINARY_DIR}/cmake/NodrixConfig.cmake
        INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Nodrix)
    write_basic_package_version_file(
        ${PROJECT_BINARY_DIR}/cmake/NodrixConfigVersion.cmake
        COMPATIBILITY SameMajorVersion)
    install(FILES
        ${PROJECT_BINARY_DIR}/cmake/NodrixConfig.cmake
        ${PROJECT_BINARY_DIR}/cmake/NodrixConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Nodrix)
endif()
