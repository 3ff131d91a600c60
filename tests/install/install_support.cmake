# What both install checks share: run a command or stop with its output,
# install the build tree into a fresh prefix, check the files a package must
# hold, and build a consumer against the prefix.
#
# The including script sets BUILD_DIR, WORK_DIR, CONSUMER_DIR, GENERATOR,
# CXX_COMPILER and CXX_FLAGS with -D.

# Runs a command; stops the check with the command and its output when it
# fails. The output is left in last_output.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}\n${out}")
    endif()
    set(last_output "${out}" PARENT_SCOPE)
endfunction()

# Installs the build into WORK_DIR/prefix, which it empties first, and sets
# prefix for the caller.
macro(install_into_fresh_prefix)
    file(REMOVE_RECURSE ${WORK_DIR})
    set(prefix ${WORK_DIR}/prefix)
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
endmacro()

# Stops unless every file named (relative to the prefix) was installed.
function(require_installed)
    foreach(file ${ARGN})
        if(NOT EXISTS ${prefix}/${file})
            message(FATAL_ERROR "missing from the installed package: ${file}")
        endif()
    endforeach()
endfunction()

# Configures and builds CONSUMER_DIR against the prefix into WORK_DIR/consumer.
function(build_consumer)
    run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -G ${GENERATOR}
        -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
        "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
endfunction()
