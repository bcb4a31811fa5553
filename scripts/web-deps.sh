#!/usr/bin/env bash
# Installs Debian's emscripten and builds the one library the kit needs for the browser with it,
# from Debian's own source package: FreeType (static), into build/web/deps. The fonts ship
# uncompressed and the page writes no PNG, so neither zlib nor libpng is needed. The result is
# cached: a later run with the same source and compiler versions does nothing, and a copy kept
# in ~/.cache/frosty-web serves every fresh clone on the machine.
# Usage: scripts/web-deps.sh
set -euo pipefail
cd "$(dirname "$0")/.."

root="$(pwd)/build/web"
prefix="$root/deps"
sources="$root/deps-build/sources"

# shellcheck source=lib/debian-sources.sh
source scripts/lib/debian-sources.sh
# shellcheck source=lib/emscripten-env.sh
source scripts/lib/emscripten-env.sh

install_missing emscripten dpkg-dev cmake ninja-build
ensure_deb_src

versions="$(source_versions freetype) emscripten $(dpkg-query -W -f='${Version}' emscripten)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/frosty-web/deps"
restore_built "$prefix" "$cache" && exit 0

rm -rf "$prefix" "$root/deps-build"
freetype=$(fetch_source freetype)
emcmake cmake -G Ninja -S "$freetype" -B "$root/deps-build/freetype" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON >/dev/null
cmake --build "$root/deps-build/freetype" -j "$(nproc)" >/dev/null
cmake --install "$root/deps-build/freetype" >/dev/null
# Its licence travels with every page that links it in.
mkdir -p "$prefix/licenses"
cp "$freetype/LICENSE.TXT" "$prefix/licenses/FreeType-LICENSE.txt"
cp "$freetype/docs/FTL.TXT" "$prefix/licenses/FreeType-FTL.txt"
keep_built "$prefix" "$cache"
echo "The web build's libraries are in $prefix"
