# Cross-building for Windows (x86_64) with Debian's MinGW-w64.
set(FROSTY_MINGW_ARCH x86_64)
set(FROSTY_MINGW_TRIPLE ${FROSTY_MINGW_ARCH}-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
