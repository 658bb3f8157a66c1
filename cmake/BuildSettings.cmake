# Compiler settings every target of ours shares, as a target that each links privately:
# warnings, hardening, the sanitizers when asked for, and a reproducible build when asked for.
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
if(TINZEL_HARDEN AND MINGW)
    # Stack protection (with mingw's libssp, linked statically, as everything in Tinzel.exe
    # is), and the executable's own marks for ASLR and DEP, made explicit.
    target_compile_options(tinzel_build_settings INTERFACE -fstack-protector-strong)
    target_link_options(tinzel_build_settings INTERFACE -fstack-protector-strong
        -Wl,--dynamicbase -Wl,--nxcompat)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        target_link_options(tinzel_build_settings INTERFACE -Wl,--high-entropy-va)
    endif()
elseif(TINZEL_HARDEN)
    # As dpkg-buildflags hardens Debian's packages. Debian's compilers make position
    # independent executables already. Fortified calls need the optimiser, and level 3:
    # every copy of ours goes into a buffer whose size is known only as the game runs
    # (a vector's, a string's), which level 2 cannot check and leaves unprotected.
    target_compile_options(tinzel_build_settings INTERFACE
        -fstack-protector-strong -fstack-clash-protection
        $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3>)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
        target_compile_options(tinzel_build_settings INTERFACE -fcf-protection)
    endif()
    target_link_options(tinzel_build_settings INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()
if(TINZEL_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(tinzel_build_settings INTERFACE ${sanitizers})
    target_link_options(tinzel_build_settings INTERFACE ${sanitizers})
endif()
