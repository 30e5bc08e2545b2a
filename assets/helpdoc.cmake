# Makes a manual (Quintaro.pdf from help/handleiding.html, Quintaro-en.pdf from
# help/handleiding_en.html): two screenshots of the program in the manual's language (digit and
# picture rollers), then the document. A screenshot that cannot be made is left out.
#
# Variables: ASSETGEN, QUINTARO, SOURCE, LANGUAGE (nl, en), SCREEN_CONFIG, IMAGES, DOC_IMAGES,
# BACKGROUND, WORKDIR, OUTPUT.

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR}/pictures)

function(take_screenshot name rolsoort)
    set(dir ${WORKDIR}/run_${name})
    set(shot ${WORKDIR}/pictures/${name}.png)
    file(MAKE_DIRECTORY ${dir}/Backgrounds)
    if(EXISTS ${BACKGROUND})
        file(COPY ${BACKGROUND} DESTINATION ${dir}/Backgrounds)
    endif()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
            "QT_QPA_PLATFORM=offscreen:configfile=${SCREEN_CONFIG}"
            QUINTARO_ROLSOORT=${rolsoort}
            ${QUINTARO} --lang ${LANGUAGE} --dir ${dir} --screenshot ${shot}
        RESULT_VARIABLE rc
        OUTPUT_QUIET ERROR_QUIET
        TIMEOUT 60)
    if(NOT rc EQUAL 0 OR NOT EXISTS ${shot})
        message(STATUS "Help document: no screenshot '${name}' (${rc}); left out")
        file(REMOVE ${shot})
    endif()
endfunction()

take_screenshot(screenshot_getallen 0)
take_screenshot(screenshot_afbeeldingen 1)

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        ${ASSETGEN} helpdoc ${SOURCE} ${OUTPUT} ${WORKDIR}/pictures ${IMAGES} ${DOC_IMAGES}
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "quintaro_assetgen helpdoc failed (${rc})")
endif()
