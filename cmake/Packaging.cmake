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
