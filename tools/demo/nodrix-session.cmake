# The tree-list demonstration: nodrix-demo on the shipped samples.
#
#   cmake -DNODRIX_DEMO=<nodrix-demo> -DSAMPLES=<samples folder> -P nodrix-session.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable NODRIX_DEMO SAMPLES)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "nodrix-session.cmake needs -D${variable}=...")
    endif()
endforeach()

# Run from the folder above the samples, as a user would type it.
cmake_path(GET SAMPLES PARENT_PATH parent)
cmake_path(GET SAMPLES FILENAME name)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "")
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "$ nodrix-demo ${name}")
execute_process(COMMAND ${NODRIX_DEMO} ${name}
    WORKING_DIRECTORY ${parent}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nodrix-demo ended with ${result}")
endif()
