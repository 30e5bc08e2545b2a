# Packs the existing build into its Debian package and checks the package as dpkg and apt
# see it: every control field parses, apt can install it on this system, the files are in
# place, and the program in it starts.
#   cmake -DCPACK=... -DBUILD_DIR=... -DWORKDIR=... -DVERSION=... -P check_package.cmake
cmake_minimum_required(VERSION 3.22)

find_program(DPKG_DEB dpkg-deb)
find_program(APT_GET apt-get)
if(NOT DPKG_DEB OR NOT APT_GET)
    message(FATAL_ERROR "dpkg-deb and apt-get are needed")
endif()

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
        ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORKDIR}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs ${WORKDIR}/quintaro_*.deb)
list(LENGTH debs n)
if(NOT rc EQUAL 0 OR NOT n EQUAL 1)
    message(FATAL_ERROR "cpack (${rc}) made ${n} packages:\n${out}\n${err}")
endif()
set(deb ${debs})

set(failures)
macro(fail text)
    list(APPEND failures "${text}")
endmacro()

# dpkg-deb -f parses every field, the relations among them, as dpkg does when it installs.
execute_process(COMMAND ${DPKG_DEB} -f ${deb}
    RESULT_VARIABLE rc OUTPUT_VARIABLE control ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg cannot read the control file of ${deb}:\n${err}")
endif()
foreach(field "Package: quintaro" "Version: ${VERSION}" "Depends: .*qt6-base-abi \\(= "
              "Recommends: .*speech-dispatcher-espeak-ng")
    if(NOT control MATCHES "(^|\n)${field}")
        fail("the control file lacks ${field}")
    endif()
endforeach()

# apt finds every dependency on this system (a simulation: nothing is installed).
execute_process(COMMAND ${APT_GET} install -s -q ${deb}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Inst quintaro ")
    fail("apt-get install -s ${deb} (${rc}):\n${out}${err}")
endif()

# The program in the package starts, through its launcher, from the unpacked tree.
set(root ${WORKDIR}/root)
execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${root} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x ${deb} (${rc}): ${err}")
endif()
foreach(f usr/bin/quintaro usr/lib/quintaro/Quintaro.pdf usr/lib/quintaro/Quintaro-en.pdf
          usr/lib/quintaro/Sounds/klik.wav usr/share/applications/example.brevane.quintaro.desktop)
    if(NOT EXISTS ${root}/${f})
        fail("the package lacks /${f}")
    endif()
endforeach()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=${WORKDIR}/data
        ${root}/usr/bin/quintaro --version
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "Quintaro ${VERSION}\n")
    fail("the packaged quintaro --version (${rc}): ${out}${err}")
endif()

if(failures)
    string(REPLACE ";" "\n  " failures "${failures}")
    message(FATAL_ERROR "${deb}:\n  ${failures}")
endif()
message(STATUS "${deb}: dpkg reads it, apt would install it, the program in it starts")
