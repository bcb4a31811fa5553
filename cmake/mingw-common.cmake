# What both Windows targets share; the including file sets FROSTY_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model of GCC 12 lacks.
set(CMAKE_C_COMPILER ${FROSTY_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FROSTY_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${FROSTY_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${FROSTY_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The libraries scripts/windows-deps.sh builds from Debian's sources.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_CURRENT_LIST_DIR}/../build/windows/deps/${FROSTY_MINGW_ARCH})

# Tests and other build-time runs of the programs go through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
