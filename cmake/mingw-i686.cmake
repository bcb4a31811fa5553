# Cross-building for Windows (i686) with Debian's MinGW-w64.
set(FROSTY_MINGW_ARCH i686)
set(FROSTY_MINGW_TRIPLE ${FROSTY_MINGW_ARCH}-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
