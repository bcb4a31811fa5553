# The web build: Debian's emscripten, with the libraries scripts/web-deps.sh builds from Debian's
# sources. Programs become pages (.html, with their .js and .wasm beside them).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_CURRENT_LIST_DIR}/../build/web/deps)
