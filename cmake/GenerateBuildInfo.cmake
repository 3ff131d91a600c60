# Writes the build-information source (see BuildInfo.cmake).
#   cmake -DINPUTS=<gathered options> -DTEMPLATE=<file.in> -DOUTPUT=<file> -P GenerateBuildInfo.cmake
include(${INPUTS})

# One blank between words, none at the ends.
function(tidy out text)
    string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
    string(STRIP "${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The text as the inside of a C++ string literal.
function(c_string out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

tidy(compiler "${VX_COMPILER_ID} ${VX_COMPILE_FLAGS}")
# "LINKER:a,b" is CMake's spelling of options handed through the compiler
# driver to the linker; show them as the driver receives them.
if(VX_LINKER_WRAPPER)
    string(REPLACE "LINKER:" "${VX_LINKER_WRAPPER}" VX_LINK_OPTIONS "${VX_LINK_OPTIONS}")
endif()
tidy(link_options "${VX_LINK_OPTIONS}")
tidy(preprocessor "${VX_PREPROCESSOR}")
tidy(system "${VX_BUILD_SYSTEM}")

# UTC, or SOURCE_DATE_EPOCH when it is set.
string(TIMESTAMP moment "%Y-%m-%d %H:%M:%S" UTC)
string(TIMESTAMP number "%Y%m%d.%H%M" UTC)

c_string(VX_COMPILER "${compiler}")
c_string(VX_LINK_OPTIONS "${link_options}")
c_string(VX_PREPROCESSOR "${preprocessor}")
c_string(VX_LIBRARY_NAME "${VX_LIBRARY_NAME}")
c_string(VX_BUILD_SYSTEM "${system}")
set(VX_BUILD_MOMENT "${moment}")
set(VX_BUILD_NUMBER "${number}")
c_string(VX_RELEASE_VERSION "${VX_RELEASE_VERSION}")

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
