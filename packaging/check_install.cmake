# Installs the build into a fresh prefix and checks the result file by file, then starts the
# installed program through its launcher.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DPROGRAM_DIR=... -DAPP_ID=... -DVERSION=...
#         -DICON_SIZES=16;22;... -P check_install.cmake
cmake_minimum_required(VERSION 3.22)

set(failures)
macro(fail text)
    list(APPEND failures "${text}")
endmacro()

file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

# --- The expected files, and nothing else ---------------------------------------------------
set(lib lib/quintaro)
set(expected
    ${lib}/quintaro
    ${lib}/Quintaro.pdf
    ${lib}/Quintaro-en.pdf
    ${lib}/Sounds/klik.wav
    ${lib}/Sounds/start.wav
    ${lib}/Sounds/stop.wav
    bin/quintaro
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/doc/quintaro/loterij.md
    share/doc/quintaro/voorbeeld-loterij.csv)
foreach(n IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${n}x${n}/apps/quintaro.png)
endforeach()
list(APPEND expected share/icons/hicolor/scalable/apps/quintaro.svg)
# Every background picture of the build's program directory, the default one among them.
file(GLOB backgrounds RELATIVE ${PROGRAM_DIR}/Backgrounds
    ${PROGRAM_DIR}/Backgrounds/*.jpg ${PROGRAM_DIR}/Backgrounds/*.gif
    ${PROGRAM_DIR}/Backgrounds/*.bmp)
if(NOT "Wallpaper-01.jpg" IN_LIST backgrounds)
    fail("the build has no Backgrounds/Wallpaper-01.jpg, the default background")
endif()
foreach(b IN LISTS backgrounds)
    list(APPEND expected ${lib}/Backgrounds/${b})
endforeach()

file(GLOB_RECURSE installed RELATIVE ${PREFIX} LIST_DIRECTORIES false ${PREFIX}/*)
foreach(f IN LISTS expected)
    if(NOT f IN_LIST installed)
        fail("missing: ${f}")
    endif()
endforeach()
foreach(f IN LISTS installed)
    if(NOT f IN_LIST expected)
        fail("not expected: ${f}")
    endif()
endforeach()

# --- File by file -----------------------------------------------------------------------------
# The program is an executable ELF file; the launcher a relative link to it.
if(EXISTS ${PREFIX}/${lib}/quintaro)
    file(READ ${PREFIX}/${lib}/quintaro magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
        fail("${lib}/quintaro is not an executable")
    endif()
    execute_process(COMMAND test -x ${PREFIX}/${lib}/quintaro RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        fail("${lib}/quintaro may not be executed")
    endif()
endif()
if(NOT IS_SYMLINK ${PREFIX}/bin/quintaro)
    fail("bin/quintaro is not a symbolic link")
else()
    file(READ_SYMLINK ${PREFIX}/bin/quintaro target)
    if(NOT target STREQUAL "../${lib}/quintaro")
        fail("bin/quintaro points to ${target}, not ../${lib}/quintaro")
    endif()
endif()

# Sounds are RIFF WAVE files, the manuals PDF documents, the backgrounds JPEG (or GIF, BMP).
foreach(s klik start stop)
    set(f ${PREFIX}/${lib}/Sounds/${s}.wav)
    if(EXISTS ${f})
        file(READ ${f} head LIMIT 12 HEX)
        if(NOT head MATCHES "^52494646........57415645$")
            fail("Sounds/${s}.wav is not a WAV file")
        endif()
    endif()
endforeach()
foreach(pdf Quintaro.pdf Quintaro-en.pdf)
    if(EXISTS ${PREFIX}/${lib}/${pdf})
        file(READ ${PREFIX}/${lib}/${pdf} head LIMIT 5 HEX)
        if(NOT head STREQUAL "255044462d") # %PDF-
            fail("${pdf} is not a PDF document")
        endif()
    endif()
endforeach()
foreach(b IN LISTS backgrounds)
    set(f ${PREFIX}/${lib}/Backgrounds/${b})
    if(EXISTS ${f})
        file(READ ${f} head LIMIT 3 HEX)
        if(NOT head MATCHES "^(ffd8ff|474946|424d..)$")
            fail("Backgrounds/${b} is not a picture")
        endif()
    endif()
endforeach()

# Each icon is a PNG of its size.
foreach(n IN LISTS ICON_SIZES)
    set(f ${PREFIX}/share/icons/hicolor/${n}x${n}/apps/quintaro.png)
    if(EXISTS ${f})
        file(READ ${f} head LIMIT 24 HEX)
        string(SUBSTRING "${head}" 32 8 width_hex)
        string(SUBSTRING "${head}" 40 8 height_hex)
        math(EXPR width "0x${width_hex}")
        math(EXPR height "0x${height_hex}")
        if(NOT head MATCHES "^89504e470d0a1a0a" OR NOT width EQUAL n OR NOT height EQUAL n)
            fail("icon ${n}x${n} is not a ${n} x ${n} PNG (${width} x ${height})")
        endif()
    endif()
endforeach()

# The scalable icon is an SVG drawing with a viewBox.
set(f ${PREFIX}/share/icons/hicolor/scalable/apps/quintaro.svg)
if(EXISTS ${f})
    file(READ ${f} svg LIMIT 2000)
    if(NOT svg MATCHES "<svg[^>]*xmlns=\"http://www.w3.org/2000/svg\"" OR NOT svg MATCHES "viewBox=")
        fail("the scalable icon is not an SVG drawing with a viewBox")
    endif()
endif()

# The desktop entry starts the launcher and names the icon; the metadata names the entry.
if(EXISTS ${PREFIX}/share/applications/${APP_ID}.desktop)
    file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
    foreach(line "Exec=quintaro" "Icon=quintaro" "Type=Application")
        if(NOT line IN_LIST entry)
            fail("the desktop entry lacks ${line}")
        endif()
    endforeach()
endif()
if(EXISTS ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
    file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml meta)
    if(NOT meta MATCHES "<id>${APP_ID}</id>"
       OR NOT meta MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
       OR NOT meta MATCHES "<release version=\"${VERSION}\"")
        fail("the metadata does not name ${APP_ID}, its desktop entry and release ${VERSION}")
    endif()
endif()

if(failures)
    string(REPLACE ";" "\n  " failures "${failures}")
    message(FATAL_ERROR "install into ${PREFIX}:\n  ${failures}")
endif()

# --- The installed program ----------------------------------------------------------------------
set(data ${PREFIX}/../install-check-data)
file(REMOVE_RECURSE ${data})
set(run ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=${data}
    ${PREFIX}/bin/quintaro)

execute_process(COMMAND ${run} --version
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "Quintaro ${VERSION}\n")
    fail("quintaro --version (${rc}): ${out}${err}")
endif()

# Through the link the program finds its own folder, which it can write here.
file(REAL_PATH ${PREFIX}/${lib} real_lib)
execute_process(COMMAND ${run} --help
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${out}" "    ${real_lib}/Quintaro.ini\n" at)
if(NOT rc EQUAL 0 OR at LESS 0)
    fail("quintaro --help (${rc}) does not name ${real_lib}:\n${out}${err}")
endif()

execute_process(COMMAND ${run} --screenshot ${PREFIX}/../install-check.png
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT EXISTS ${PREFIX}/../install-check.png)
    fail("quintaro --screenshot (${rc}): ${out}${err}")
endif()
foreach(f Quintaro.ini Lijstnummers.txt)
    if(NOT EXISTS ${PREFIX}/${lib}/${f})
        fail("the installed program did not write ${f} beside itself")
    endif()
endforeach()
if(EXISTS ${data})
    fail("the program wrote to the user's data directory although its own was writable")
endif()
file(READ ${PREFIX}/${lib}/Quintaro.ini ini)
if(NOT ini MATCHES "\"${real_lib}/Backgrounds/Wallpaper-01.jpg\"")
    fail("the settings do not name the installed default background:\n${ini}")
endif()

if(failures)
    string(REPLACE ";" "\n  " failures "${failures}")
    message(FATAL_ERROR "installed program in ${PREFIX}:\n  ${failures}")
endif()
message(STATUS "${PREFIX}: every file in place, the installed program runs")
