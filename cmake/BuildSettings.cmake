# Compiler settings every target of ours shares, as a target that each links privately:
# warnings, the sanitizers when asked for, and a reproducible build when asked for.
add_library(tinzel_build_settings INTERFACE)
target_compile_features(tinzel_build_settings INTERFACE cxx_std_20)
if(MSVC)
    target_compile_options(tinzel_build_settings INTERFACE
        /W4 $<$<BOOL:${TINZEL_WARNINGS_AS_ERRORS}>:/WX>)
else()
    target_compile_options(tinzel_build_settings INTERFACE
        -Wall -Wextra -Wpedantic $<$<BOOL:${TINZEL_WARNINGS_AS_ERRORS}>:-Werror>)
endif()
if(TINZEL_REPRODUCIBLE)
    # Where the source and the build were stands for nothing in the program: every path the
    # compiler would write (__FILE__, the debug information's files and compile folder) is
    # made relative. The build folder comes second, as it may lie inside the source's.
    target_compile_options(tinzel_build_settings INTERFACE
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
        -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
    if(MINGW)
        # A Windows executable's header has a link time unless told to keep it zero.
        target_link_options(tinzel_build_settings INTERFACE -Wl,--no-insert-timestamp)
    endif()
endif()
if(TINZEL_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(tinzel_build_settings INTERFACE ${sanitizers})
    target_link_options(tinzel_build_settings INTERFACE ${sanitizers})
endif()
