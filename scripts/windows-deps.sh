#!/usr/bin/env bash
# Builds the Windows libraries the kit needs with MinGW-w64, from Debian's own source packages:
# FreeType and libpng (static), into build/windows/deps/ARCH; zlib comes ready-built from
# libz-mingw-w64-dev. The result is cached: a later run with the same source versions does
# nothing, and a copy kept in ~/.cache/frosty-windows serves every fresh clone on the machine,
# so CI pays for the build once per machine.
# Usage: scripts/windows-deps.sh ARCH   (x86_64 or i686)
set -euo pipefail
cd "$(dirname "$0")/.."

arch="${1:-x86_64}"
case "$arch" in
  x86_64 | i686) ;;
  *) echo "usage: $0 [x86_64|i686]" >&2; exit 2 ;;
esac
triple="$arch-w64-mingw32"
root="$(pwd)/build/windows"
prefix="$root/deps/$arch"
sources="$root/deps-build/$arch/sources"
toolchain="$(pwd)/cmake/mingw-$arch.cmake"

# shellcheck source=lib/debian-sources.sh
source scripts/lib/debian-sources.sh

cmake_build() {
  local source="$1" build="$2"
  shift 2
  cmake -G Ninja -S "$source" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$build" -j "$(nproc)" >/dev/null
  cmake --install "$build" >/dev/null
}

install_missing "g++-mingw-w64-${arch//_/-}" libz-mingw-w64-dev dpkg-dev cmake ninja-build
ensure_deb_src

versions="$(source_versions freetype libpng1.6)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/frosty-windows/deps/$arch"
restore_built "$prefix" "$cache" && exit 0

rm -rf "$prefix" "$root/deps-build/$arch"
freetype=$(fetch_source freetype)
libpng=$(fetch_source libpng1.6)

# Fonts ship uncompressed inside the kit, so FreeType needs none of its optional libraries.
cmake_build "$freetype" "$root/deps-build/$arch/freetype" \
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
cmake_build "$libpng" "$root/deps-build/$arch/libpng" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON \
  -DZLIB_INCLUDE_DIR="/usr/$triple/include" -DZLIB_LIBRARY="/usr/$triple/lib/libz.a"
# Their licences travel with every program that links them in.
mkdir -p "$prefix/licenses"
cp "$freetype/LICENSE.TXT" "$prefix/licenses/FreeType-LICENSE.txt"
cp "$freetype/docs/FTL.TXT" "$prefix/licenses/FreeType-FTL.txt"
cp "$libpng/LICENSE" "$prefix/licenses/libpng-LICENSE.txt"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$prefix/licenses/zlib-copyright.txt"
keep_built "$prefix" "$cache"
echo "Windows libraries for $arch are in $prefix"
