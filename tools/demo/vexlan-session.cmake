# A short session with vexlan on the shipped samples, as a user would type
# it: list the formats, detect a few names, look at options, import the IGES
# and the STEP sample into Parasolid with option files and logs, and export
# both back out.
#
#   cmake -DVEXLAN=<vexlan tool> -DSAMPLES=<samples folder>
#         -DWORK_DIR=<folder for the results> -P vexlan-session.cmake
#
# The tool runs without configuration: it finds the library and the master
# options file in its own installation (or build tree).
cmake_minimum_required(VERSION 3.25)

foreach(variable VEXLAN SAMPLES WORK_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "vexlan-session.cmake needs -D${variable}=...")
    endif()
endforeach()

# A fresh folder with copies of the samples, so that the commands read as a
# user would type them.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/out)
file(GLOB samples ${SAMPLES}/*.igs ${SAMPLES}/*.stp ${SAMPLES}/*.opt)
file(COPY ${samples} DESTINATION ${WORK_DIR})
unset(ENV{topdir})
unset(ENV{VEXLAN_LIBRARY})

function(say)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${ARGN}")
endfunction()

# vexlan(EXPECT <exit code> <arguments>...): shows the command, runs it and
# stops the session if it does not end as expected.
function(vexlan)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "EXPECT" "")
    if(NOT DEFINED arg_EXPECT)
        set(arg_EXPECT 0)
    endif()
    string(REPLACE ";" " " shown "${arg_UNPARSED_ARGUMENTS}")
    say("")
    say("$ vexlan ${shown}")
    execute_process(COMMAND ${VEXLAN} ${arg_UNPARSED_ARGUMENTS}
        WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE result)
    if(NOT result STREQUAL arg_EXPECT)
        message(FATAL_ERROR "vexlan ${shown} ended with ${result}, not ${arg_EXPECT}")
    endif()
    if(NOT arg_EXPECT EQUAL 0)
        say("(exit code ${result})")
    endif()
endfunction()

say("== Vexlan demonstration session (in ${WORK_DIR})")

say("")
say("-- The formats of the catalogue")
vexlan(formats)

say("")
say("-- What the library makes of a few file names (by name alone)")
vexlan(detect bracket.igs housing.stp C:\\models\\wheel.CATPart gear.prt.3 body.x_b notes.txt)

say("")
say("-- The options for reading IGES, as the master options file defines them")
vexlan(options IGES --reader)

say("")
say("-- A user option file: what it is for, and the option set it leaves")
vexlan(opt-type bracket-import.opt)
vexlan(opt-type --json housing-export.opt)
vexlan(options --file bracket-import.opt)

say("")
say("-- Import both samples into Parasolid, each with its option file and a log")
vexlan(import bracket.igs out/bracket.x_t --options bracket-import.opt --log out/bracket-import.log)
vexlan(import housing.stp out/housing.x_t --options housing-import.opt --log out/housing-import.log)

say("")
say("-- The translator's log of the first import")
file(READ ${WORK_DIR}/out/bracket-import.log log)
say("${log}")

say("")
say("-- Export both back out of Parasolid")
vexlan(export out/bracket.x_t out/bracket-round-trip.igs --options bracket-export.opt --log out/bracket-export.log)
vexlan(export out/housing.x_t out/housing-round-trip.stp --options housing-export.opt --log out/housing-export.log)

say("")
say("-- A name the catalogue does not know is refused with a way out")
vexlan(EXPECT 2 import notes.txt out/notes.x_t)

say("")
say("-- The library's version")
vexlan(version)

file(GLOB written RELATIVE ${WORK_DIR} ${WORK_DIR}/out/*)
string(REPLACE ";" ", " written "${written}")
say("")
say("== Session complete; written: ${written}")
