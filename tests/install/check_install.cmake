# Installs the build into WORK_DIR/prefix and builds the consumer against it.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}\n${out}")
    endif()
    set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

foreach(file include/vexlan/vexlan.h include/vexlan/vexlan_options.h lib/cmake/Vexlan/VexlanConfig.cmake
             share/vexlan/res/OptionsMaster.opt include/spax/converter.h)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "missing from the installed package: ${file}")
    endif()
endforeach()

# The installed library finds the translator's libraries beside itself,
# wherever the package is unpacked.
if(READELF AND EXISTS ${prefix}/lib/libVexlan.so)
    run(${READELF} -d ${prefix}/lib/libVexlan.so)
    if(NOT last_output MATCHES "\\(RUNPATH\\)[^\n]*\\[\\$ORIGIN\\]")
        message(FATAL_ERROR "installed libVexlan.so lacks RUNPATH $ORIGIN:\n${last_output}")
    endif()
    foreach(library libSPAXBase.so libSPAXConverter.so)
        if(NOT EXISTS ${prefix}/lib/${library})
            message(FATAL_ERROR "missing from the installed package: lib/${library}")
        endif()
    endforeach()
endif()

run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
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
