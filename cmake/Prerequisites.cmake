# Finding what the tests and benchmarks need, so that a build for playing needs none of it.
# A part set to AUTO is built when everything it needs is installed and left out otherwise;
# set to ON, a missing piece stops the configure with the Debian package that provides it.

# Debian's own Python, where the python3-* packages of scripts/packages are installed (another
# python3 may come first on the PATH).
set(TINZEL_SYSTEM_PYTHON /usr/bin/python3)
# GoogleTest's sources, which a cross build compiles (Debian's libraries are for Linux).
set(TINZEL_GOOGLETEST_SOURCE /usr/src/googletest)

# Sets `result` to the Debian package that provides `name` (a command, or another file by its
# name), from scripts/packages, the one table of what the scripts and the build need.
function(tinzel_package_of result name)
    file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/packages lines REGEX "^[^#]*[|]")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^([^ |]+) *[|][^|]*[|](.*)$" matched "${line}")
        separate_arguments(provides UNIX_COMMAND "${CMAKE_MATCH_2}")
        if(name IN_LIST provides)
            set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "scripts/packages names no package that provides ${name}")
endfunction()

# Notes `name` in the caller's list `missing` as "name (Debian package ...)".
macro(tinzel_note_missing name)
    tinzel_package_of(package_of_missing ${name})
    list(APPEND missing "${name} (Debian package ${package_of_missing})")
endmacro()

# Looks for one program into the cache variable `variable`, noting it in `missing` if absent.
macro(tinzel_find_program variable program)
    find_program(${variable} ${program})
    if(NOT ${variable})
        tinzel_note_missing(${program})
    endif()
endmacro()

# Sets `result` to whether `part` ("tests", "benchmarks") is built, given its setting and
# the list `missing` of what it needs and cannot find.
function(tinzel_decide_part result part setting missing)
    if(NOT setting)
        set(${result} OFF PARENT_SCOPE)
    elseif(NOT missing)
        set(${result} ON PARENT_SCOPE)
    else()
        list(JOIN missing ", " names)
        if(setting STREQUAL "AUTO")
            message(STATUS "Leaving out the ${part}: missing ${names} "
                           "(scripts/install-dependencies test installs them)")
            set(${result} OFF PARENT_SCOPE)
        else()
            message(FATAL_ERROR "The ${part} need ${names}: install them, or run "
                                "scripts/install-dependencies test")
        endif()
    endif()
endfunction()

# The scenarios and the benchmarks turn Qt's accessibility on through its private GUI API, as
# a screen reader's bridge does.
macro(tinzel_find_qt_accessibility_switch)
    get_target_property(gui_private Qt6::GuiPrivate INTERFACE_INCLUDE_DIRECTORIES)
    find_file(TINZEL_QT_ACCESSIBILITY_HEADER qpa/qplatformaccessibility.h
        PATHS ${gui_private} NO_DEFAULT_PATH)
    if(NOT TINZEL_QT_ACCESSIBILITY_HEADER)
        tinzel_note_missing(qplatformaccessibility.h)
    endif()
endmacro()

# The screen reader's end-to-end tests: an accessibility bus of their own, AT-SPI's Python
# client, and Orca.
macro(tinzel_find_screen_reader_tools)
    tinzel_find_program(DBUS_RUN_SESSION_EXECUTABLE dbus-run-session)
    tinzel_find_program(ORCA_EXECUTABLE orca)
    find_program(AT_SPI_BUS_LAUNCHER at-spi-bus-launcher PATHS /usr/libexec)
    if(NOT AT_SPI_BUS_LAUNCHER)
        tinzel_note_missing(at-spi-bus-launcher)
    endif()
    execute_process(COMMAND ${TINZEL_SYSTEM_PYTHON} -c "import pyatspi"
        RESULT_VARIABLE pyatspi_missing OUTPUT_QUIET ERROR_QUIET)
    if(pyatspi_missing)
        tinzel_note_missing(pyatspi)
    endif()
endmacro()

function(tinzel_tests_buildable result)
    set(missing "")
    if(CMAKE_CROSSCOMPILING)
        # A cross build compiles GoogleTest from its sources.
        if(NOT EXISTS ${TINZEL_GOOGLETEST_SOURCE}/CMakeLists.txt)
            tinzel_note_missing(googletest)
        endif()
    else()
        find_package(GTest QUIET)
        if(NOT GTest_FOUND)
            tinzel_note_missing(GTestConfig.cmake)
        endif()
        tinzel_find_program(CLANG_FORMAT_EXECUTABLE clang-format)
        tinzel_find_program(SHELLCHECK_EXECUTABLE shellcheck)
    endif()
    find_package(Python3 QUIET COMPONENTS Interpreter)
    if(NOT Python3_Interpreter_FOUND)
        tinzel_note_missing(python3)
    endif()
    if(TINZEL_FRONT_END STREQUAL "win32")
        tinzel_find_program(WRESTOOL_EXECUTABLE wrestool)
        tinzel_find_program(ICOTOOL_EXECUTABLE icotool)
    elseif(TINZEL_FRONT_END STREQUAL "qt")
        tinzel_find_program(XVFB_EXECUTABLE Xvfb)
        tinzel_find_program(XDOTOOL_EXECUTABLE xdotool)
        tinzel_find_program(XPROP_EXECUTABLE xprop)
        tinzel_find_program(IMPORT_EXECUTABLE import)
        tinzel_find_program(STRACE_EXECUTABLE strace)
        tinzel_find_program(DESKTOP_FILE_VALIDATE_EXECUTABLE desktop-file-validate)
        tinzel_find_program(APPSTREAMCLI_EXECUTABLE appstreamcli)
        tinzel_find_program(DPKG_SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
        tinzel_find_program(LINTIAN_EXECUTABLE lintian)
        tinzel_find_program(HARDENING_CHECK_EXECUTABLE hardening-check)
        tinzel_find_qt_accessibility_switch()
        tinzel_find_screen_reader_tools()
    elseif(TINZEL_FRONT_END STREQUAL "web")
        tinzel_find_program(NPM_EXECUTABLE npm)
        tinzel_find_program(TINZEL_CHROMIUM chromium)
        # The page in a browser on an X server, with Orca listening.
        tinzel_find_program(XVFB_EXECUTABLE Xvfb)
        tinzel_find_screen_reader_tools()
    endif()
    set(setting ${TINZEL_BUILD_TESTS})
    if(NOT BUILD_TESTING)
        set(setting OFF)
    endif()
    tinzel_decide_part(buildable tests "${setting}" "${missing}")
    set(${result} ${buildable} PARENT_SCOPE)
endfunction()

function(tinzel_benchmarks_buildable result)
    set(missing "")
    # The Windows window's benchmark is a program of its own; the others use Google Benchmark.
    if(TINZEL_FRONT_END STREQUAL "web")
        # The page's benchmarks drive the browser, as its tests do.
        tinzel_find_program(NPM_EXECUTABLE npm)
        tinzel_find_program(TINZEL_CHROMIUM chromium)
    elseif(NOT TINZEL_FRONT_END STREQUAL "win32")
        find_package(benchmark QUIET)
        if(NOT benchmark_FOUND)
            tinzel_note_missing(benchmarkConfig.cmake)
        endif()
        if(TINZEL_FRONT_END STREQUAL "qt")
            tinzel_find_qt_accessibility_switch()
        endif()
    endif()
    tinzel_decide_part(buildable benchmarks "${TINZEL_BUILD_BENCH}" "${missing}")
    set(${result} ${buildable} PARENT_SCOPE)
endfunction()
