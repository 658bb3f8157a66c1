# Finding what the tests and benchmarks need, so that a build for playing needs none of it.
# A part set to AUTO is built when everything it needs is installed and left out otherwise;
# set to ON, a missing piece stops the configure with the Debian package that provides it.

# Looks for one program into the cache variable `variable`; a missing one is noted in the
# list variable `missing` of the caller as "program (package)".
macro(tinzel_find_program variable program package)
    find_program(${variable} ${program})
    if(NOT ${variable})
        list(APPEND missing "${program} (Debian package ${package})")
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

function(tinzel_tests_buildable result)
    set(missing "")
    if(CMAKE_CROSSCOMPILING)
        # A cross build compiles GoogleTest from its sources.
        if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
            list(APPEND missing "GoogleTest's sources (Debian package googletest)")
        endif()
    else()
        find_package(GTest QUIET)
        if(NOT GTest_FOUND)
            list(APPEND missing "GoogleTest (Debian package libgtest-dev)")
        endif()
        tinzel_find_program(CLANG_FORMAT_EXECUTABLE clang-format clang-format)
    endif()
    find_package(Python3 QUIET COMPONENTS Interpreter)
    if(NOT Python3_Interpreter_FOUND)
        list(APPEND missing "python3 (Debian package python3)")
    endif()
    if(TINZEL_FRONT_END STREQUAL "win32")
        tinzel_find_program(WRESTOOL_EXECUTABLE wrestool icoutils)
        tinzel_find_program(ICOTOOL_EXECUTABLE icotool icoutils)
    elseif(TINZEL_FRONT_END STREQUAL "qt")
        tinzel_find_program(XVFB_EXECUTABLE Xvfb xvfb)
        tinzel_find_program(XDOTOOL_EXECUTABLE xdotool xdotool)
        tinzel_find_program(XPROP_EXECUTABLE xprop x11-utils)
        tinzel_find_program(IMPORT_EXECUTABLE import imagemagick)
        tinzel_find_program(STRACE_EXECUTABLE strace strace)
        tinzel_find_program(DESKTOP_FILE_VALIDATE_EXECUTABLE desktop-file-validate
                            desktop-file-utils)
        tinzel_find_program(APPSTREAMCLI_EXECUTABLE appstreamcli appstream)
        tinzel_find_program(DPKG_SHLIBDEPS_EXECUTABLE dpkg-shlibdeps dpkg-dev)
        tinzel_find_program(LINTIAN_EXECUTABLE lintian lintian)
    elseif(TINZEL_FRONT_END STREQUAL "web")
        tinzel_find_program(NPM_EXECUTABLE npm npm)
        tinzel_find_program(CHROMIUM_EXECUTABLE chromium chromium)
    endif()
    tinzel_decide_part(buildable tests "${TINZEL_BUILD_TESTS}" "${missing}")
    set(${result} ${buildable} PARENT_SCOPE)
endfunction()

function(tinzel_benchmarks_buildable result)
    set(missing "")
    # The Windows window's benchmark is a program of its own; the others use Google Benchmark.
    if(TINZEL_FRONT_END STREQUAL "web")
        # The page's benchmarks drive the browser, as its tests do.
        tinzel_find_program(NPM_EXECUTABLE npm npm)
        tinzel_find_program(CHROMIUM_EXECUTABLE chromium chromium)
    elseif(NOT TINZEL_FRONT_END STREQUAL "win32")
        find_package(benchmark QUIET)
        if(NOT benchmark_FOUND)
            list(APPEND missing "Google Benchmark (Debian package libbenchmark-dev)")
        endif()
    endif()
    tinzel_decide_part(buildable benchmarks "${TINZEL_BUILD_BENCH}" "${missing}")
    set(${result} ${buildable} PARENT_SCOPE)
endfunction()
