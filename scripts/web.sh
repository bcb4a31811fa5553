#!/usr/bin/env bash
# Builds frosty for the browser with Debian's emscripten into build/web/: index.html with
# frosty.js and frosty.wasm for any static web server, frosty-single.html with everything in it
# (it also runs opened straight from disk), and build/web/frosty-web.zip with both. Scoop Drop,
# the example, is built the way any program on the kit is, against the installed web kit, into
# build/web/scoop-drop/.
# With --test, also runs the pages in headless Chromium against the Linux replay executables
# (tests/web/page_suite.py).
# Usage: scripts/web.sh [--test]
set -euo pipefail
cd "$(dirname "$0")/.."

testing=0
for argument in "$@"; do
  case "$argument" in
    --test) testing=1 ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
  esac
done

# shellcheck source=lib/emscripten-env.sh
source scripts/lib/emscripten-env.sh
scripts/web-deps.sh
site=build/web
cmake --preset web >/dev/null
cmake --build --preset web

stage_frosty() {
  local app=build/web/wasm/app
  cp "$app/frosty.html" "$site/index.html"
  cp "$app/frosty.js" "$app/frosty.wasm" "$app/frosty-single.html" "$site/"
  rm -rf "$site/licenses"
  mkdir -p "$site/licenses"
  cp build/web/deps/licenses/* "$site/licenses/"
  cp fonts/*.copyright fonts/GPL-2 fonts/LGPL-2.1 "$site/licenses/"
}

# As a stranger builds a program on the kit: installed, then found with find_package.
build_scoop_drop() {
  local prefix=build/web/kit
  rm -rf "$prefix"
  cmake --install build/web/wasm --prefix "$prefix" >/dev/null
  cmake -G Ninja -S examples -B build/web/scoop-drop-build -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/emscripten.cmake" \
    -DPZ417_DIR="$(pwd)/$prefix/lib/cmake/PZ417" >/dev/null
  cmake --build build/web/scoop-drop-build
  mkdir -p "$site/scoop-drop"
  cp build/web/scoop-drop-build/scoop-drop.html "$site/scoop-drop/index.html"
  cp build/web/scoop-drop-build/scoop-drop.{js,wasm} "$site/scoop-drop/"
}

pack() {
  local stage=build/web/stage zip=build/web/frosty-web.zip
  rm -rf "$stage" "$zip"
  mkdir -p "$stage"
  cp -r "$site/index.html" "$site/frosty.js" "$site/frosty.wasm" "$site/frosty-single.html" \
    "$site/licenses" "$stage/"
  cp docs/web/README.txt "$stage/README.txt"
  (cd "$stage" && cmake -E tar cf ../frosty-web.zip --format=zip -- *)
  echo "Packed $zip; serve it with: python3 -m http.server -d $site"
}

stage_frosty
build_scoop_drop
pack

[[ $testing -eq 1 ]] || exit 0
scripts/deps.sh --web
# The Linux release build is the reference the pages are held to.
cmake --preset release >/dev/null
cmake --build --preset release
native=build/web/native-kit
rm -rf "$native"
cmake --install build/release --prefix "$native" >/dev/null
cmake -G Ninja -S examples -B build/web/scoop-drop-native -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$(pwd)/$native" >/dev/null
cmake --build build/web/scoop-drop-native --target scoop-drop-replay
python3 tests/web/page_suite.py --site "$site" --replay build/release/tools/frosty-replay/frosty-replay \
  --scoop-page scoop-drop/index.html --scoop-replay build/web/scoop-drop-native/scoop-drop-replay
