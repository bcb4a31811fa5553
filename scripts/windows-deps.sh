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

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

# Source packages come from the very archive the machine installs its binaries from.
ensure_deb_src() {
  local known
  known=$(apt-cache showsrc freetype 2>/dev/null || true)
  [[ "$known" == *Version:* ]] && return 0
  if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
    # deb822 stanzas of Debian's archive, again with Types: deb-src.
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types:[^\n]*deb/ && /URIs:[^\n]*debian/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' /etc/apt/sources.list.d/*.sources |
      $sudo tee /etc/apt/sources.list.d/frosty-deb-src.sources >/dev/null
  fi
  if [[ -f /etc/apt/sources.list ]]; then
    grep -E '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $sudo tee /etc/apt/sources.list.d/frosty-deb-src.list >/dev/null || true
  fi
  $sudo apt-get update -qq
}

# Unpacks the newest version of a source package that the archive really serves (a mirror
# may list a security update whose files it does not hold) and prints its folder.
fetch_source() {
  local package="$1" version
  mkdir -p "$sources"
  for version in $(apt-cache showsrc "$package" | awk '/^Version:/ {print $2}' | sort -r -V); do
    if (cd "$sources" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
      find "$sources" -maxdepth 1 -type d -name "$(upstream_dir "$package" "$version")" | head -n1
      return 0
    fi
  done
  echo "cannot fetch the source package $package" >&2
  return 1
}

upstream_dir() {
  local package="$1" version="$2" upstream
  upstream="${version#*:}"
  upstream="${upstream%-*}"
  echo "$package-${upstream%+dfsg}*"
}

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

versions="$(apt-cache showsrc freetype libpng1.6 | awk '/^Version:/ {print $2}' | sort | tr '\n' ' ')"
built_for() { [[ -f "$1/.versions" && "$(cat "$1/.versions")" == "$versions" ]]; }
cache="${XDG_CACHE_HOME:-$HOME/.cache}/frosty-windows/deps/$arch"
if built_for "$prefix"; then exit 0; fi
if built_for "$cache"; then
  rm -rf "$prefix" && mkdir -p "$(dirname "$prefix")" && cp -a "$cache" "$prefix"
  exit 0
fi

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
echo "$versions" >"$prefix/.versions"
rm -rf "$cache" && mkdir -p "$(dirname "$cache")" && cp -a "$prefix" "$cache"
echo "Windows libraries for $arch are in $prefix"
