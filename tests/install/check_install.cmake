# Installs the build into WORK_DIR/prefix and builds the consumer against it.
include(${CMAKE_CURRENT_LIST_DIR}/install_support.cmake)

install_into_fresh_prefix()
require_installed(include/vexlan/vexlan.h include/vexlan/vexlan_options.h
    lib/cmake/Vexlan/VexlanConfig.cmake share/vexlan/res/OptionsMaster.opt include/spax/converter.h)

# The installed library finds the translator's libraries beside itself,
# wherever the package is unpacked.
if(READELF AND EXISTS ${prefix}/lib/libVexlan.so)
    run(${READELF} -d ${prefix}/lib/libVexlan.so)
    if(NOT last_output MATCHES "\\(RUNPATH\\)[^\n]*\\[\\$ORIGIN\\]")
        message(FATAL_ERROR "installed libVexlan.so lacks RUNPATH $ORIGIN:\n${last_output}")
    endif()
    require_installed(lib/libSPAXBase.so lib/libSPAXConverter.so)
endif()

build_consumer()
run(${CMAKE_COMMAND} -E env "topdir=${prefix}/share/" ${WORK_DIR}/consumer/vexlan_consumer)
message(STATUS "${last_output}")

# The installed tool finds the library and the master options file in its own
# installation, with no configuration at all.
if(EXPECT_TOOL)
    file(GLOB tool ${prefix}/bin/vexlan ${prefix}/bin/vexlan.exe)
    if(NOT tool)
        message(FATAL_ERROR "missing from the installed package: bin/vexlan")
    endif()
    run(${CMAKE_COMMAND} -E env --unset=topdir --unset=VEXLAN_LIBRARY
        ${tool} options IGES --reader)
    if(NOT last_output MATCHES "IGES reader options \\([1-9][0-9]* *\\) from the master options file ${prefix}/share/")
        message(FATAL_ERROR "the installed tool did not use its installation:\n${last_output}")
    endif()
    run(${CMAKE_COMMAND} -E env --unset=topdir --unset=VEXLAN_LIBRARY ${tool} version)
    if(NOT last_output MATCHES "${prefix}/lib/")
        message(FATAL_ERROR "the installed tool did not load the installed library:\n${last_output}")
    endif()
endif()
