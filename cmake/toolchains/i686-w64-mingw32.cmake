# 32-bit Windows, the platform Tinzel was made for.
set(TINZEL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
