# WebAssembly with Debian's emscripten: the core and its tests, run under Node (wasm32 is the
# one target here where the core runs with 32-bit pointers).
find_program(TINZEL_NODE_EXECUTABLE NAMES node nodejs REQUIRED)
# Node's own fetch() cannot load a file path, and the glue of emscripten 3.1.6 tries it first
# wherever it exists: without it, the glue reads the .wasm file from disk.
set(CMAKE_CROSSCOMPILING_EMULATOR "${TINZEL_NODE_EXECUTABLE};--no-experimental-fetch")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# The game ends and reports errors by exceptions: WebAssembly's own, which every browser of
# the last years and Node 18 run, rather than emscripten's older ones done through JavaScript.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
# The page is built MinSizeRel: every byte is downloaded by every player. Optimised across
# the whole program at link time, it is a twentieth smaller.
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Oz -flto -DNDEBUG" CACHE STRING "Flags of a MinSizeRel build")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL "-flto" CACHE STRING "Link flags of a MinSizeRel build")
