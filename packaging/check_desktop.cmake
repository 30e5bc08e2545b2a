# Validates the desktop entry and the AppStream metadata; any message of a validator counts
# as a failure, except the one note that the maker's top-level domain is unknown to it.
#   cmake -DDESKTOP=... -DMETAINFO=... -P check_desktop.cmake
cmake_minimum_required(VERSION 3.22)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
    message(FATAL_ERROR "desktop-file-validate and appstreamcli are needed (scripts/deps.sh)")
endif()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${DESKTOP}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${DESKTOP} (${rc}):\n${out}${err}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color --pedantic ${METAINFO}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX REPLACE "I: [^\n]*cid-maybe-not-rdns[^\n]*\n" "" rest "${out}")
string(REGEX REPLACE "\n*[^\n]*Validation was successful[^\n]*\n*" "" rest "${rest}")
if(NOT rc EQUAL 0 OR NOT "${rest}${err}" STREQUAL "")
    message(FATAL_ERROR "appstreamcli validate ${METAINFO} (${rc}):\n${out}${err}")
endif()
message(STATUS "desktop entry and metainfo are valid")
