# Installs the build into WORK_DIR/prefix and builds the Nodrix consumer
# against it.
include(${CMAKE_CURRENT_LIST_DIR}/install_support.cmake)

install_into_fresh_prefix()
require_installed(include/nodrix/nodrix.h include/arborkit/arborkit.h include/winapi/windows_api.h
    lib/cmake/Nodrix/NodrixConfig.cmake)

build_consumer()
run(${WORK_DIR}/consumer/nodrix_consumer)
message(STATUS "${last_output}")

# The demonstration is installed beside the package and finds its libraries
# there.
file(GLOB demo ${prefix}/bin/nodrix-demo ${prefix}/bin/nodrix-demo.exe)
if(NOT demo)
    message(FATAL_ERROR "missing from the installed package: bin/nodrix-demo")
endif()
run(${demo} ${prefix}/include)
