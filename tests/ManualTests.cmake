# The user manual builds from its groff source into the build tree as a PDF of one or two
# pages, without a warning from groff (an overfull line or a broken table shows up as one).
find_program(WHIRLANE_PDFINFO pdfinfo)
if(WHIRLANE_PDFINFO)
    add_test(NAME whirlane_manual_pdf
        COMMAND ${CMAKE_COMMAND}
            -DMAKE_MANUAL=${CMAKE_SOURCE_DIR}/scripts/make-manual.sh
            -DOUTPUT_DIR=${CMAKE_BINARY_DIR}/manual
            -DPDFINFO=${WHIRLANE_PDFINFO}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/ManualCheck.cmake)
else()
    message(STATUS "pdfinfo not found (poppler-utils): the manual test is left out")
endif()
