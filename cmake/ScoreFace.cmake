# The score labels' face, Debian's bold OCR-A, which the page and Tinzel.exe carry cut down to
# the characters the scores can show, so that every window shows it.

# Every character a score label can show.
set(TINZEL_SCORE_CHARACTERS "WINSLOT: 0123456789")

# Finds the face (TINZEL_SCORE_FACE) and fontTools, which cuts it, or stops with the packages
# to install.
function(tinzel_find_score_face)
    execute_process(COMMAND ${TINZEL_SYSTEM_PYTHON} -c "import fontTools.subset, brotli"
        RESULT_VARIABLE font_tools_missing OUTPUT_QUIET ERROR_QUIET)
    if(font_tools_missing)
        tinzel_package_of(font_tools fontTools)
        tinzel_package_of(brotli brotli)
        message(FATAL_ERROR "Cutting the score font needs Debian's ${font_tools} and ${brotli} "
                            "(scripts/install-dependencies installs them)")
    endif()
    find_file(TINZEL_SCORE_FACE OCRABold.ttf PATHS /usr/share/fonts/truetype/ocr-a
        NO_CMAKE_FIND_ROOT_PATH DOC "The bold OCR-A face that the score labels show")
    if(NOT TINZEL_SCORE_FACE)
        tinzel_package_of(package OCRABold.ttf)
        message(FATAL_ERROR "The score labels' face OCRABold.ttf was not found: install "
                            "Debian's ${package}, or set TINZEL_SCORE_FACE")
    endif()
endfunction()
