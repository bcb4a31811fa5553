#!/usr/bin/env bash
# Cross-builds frosty.exe and frosty-replay.exe for Windows with MinGW-w64 into build/windows/
# and packs build/windows/frosty-windows-ARCH.zip: the two programs, README and licences. Each
# .exe is linked statically and runs alone.
# With --test, also runs the cross-built test suite under Wine, and the Windows desktop cases
# (frosty.exe under Wine on Xvfb against the Linux frosty-replay).
# Usage: scripts/windows.sh [--test] [ARCH...]   (ARCH: x86_64, i686; default both)
set -euo pipefail
cd "$(dirname "$0")/.."

testing=0
arches=()
for argument in "$@"; do
  case "$argument" in
    --test) testing=1 ;;
    x86_64 | i686) arches+=("$argument") ;;
    *) echo "usage: $0 [--test] [x86_64|i686...]" >&2; exit 2 ;;
  esac
done
[[ ${#arches[@]} -eq 0 ]] && arches=(x86_64 i686)

preset_of() { [[ "$1" == x86_64 ]] && echo windows || echo "windows-$1"; }

# A 32-bit program runs under Wine only with Debian's wine32 (i386 multiarch) installed, on a
# kernel that runs 32-bit programs.
can_run() { [[ "$1" == x86_64 ]] || /usr/lib/wine/wine --version >/dev/null 2>&1; }

pack() {
  local arch="$1" build="build/windows/$1" stage="build/windows/stage-$1"
  local zip="build/windows/frosty-windows-$1.zip"
  rm -rf "$stage" "$zip"
  mkdir -p "$stage/licenses"
  cp "$build/app/frosty.exe" "$build/tools/frosty-replay/frosty-replay.exe" \
    "$stage/"
  # Symbols are for the build tree's debugging; users get the programs alone.
  "$arch-w64-mingw32-strip" "$stage"/*.exe
  cp docs/windows/README.txt "$stage/README.txt"
  cp build/windows/deps/"$arch"/licenses/* "$stage/licenses/"
  (cd "$stage" && cmake -E tar cf "../frosty-windows-$arch.zip" --format=zip -- *)
  echo "Packed $zip"
}

for arch in "${arches[@]}"; do
  scripts/windows-deps.sh "$arch"
  preset=$(preset_of "$arch")
  cmake --preset "$preset" >/dev/null
  if [[ $testing -eq 1 ]] && can_run "$arch"; then
    cmake --build --preset "$preset"
  else
    cmake --build --preset "$preset" --target frosty frosty-replay
  fi
  pack "$arch"
done

[[ $testing -eq 1 ]] || exit 0
scripts/deps.sh --tests --wine
# The Linux release build is the reference the Windows programs are held to.
cmake --preset release >/dev/null
cmake --build --preset release --target frosty-replay frosty-x-helper
linux=build/release

# The Windows programs against the Linux ones: the same bytes from frosty-replay.exe, and
# frosty.exe under Wine on Xvfb through the desktop suite.
desktop_cases() {
  local build="build/windows/$1"
  echo "== $1: frosty-replay.exe against the Linux frosty-replay"
  python3 tests/windows/same_as_linux.py --linux "$linux/tools/frosty-replay/frosty-replay" \
    --windows "$build/tools/frosty-replay/frosty-replay.exe" --launcher scripts/wine-run.sh \
    --source . || return 1
  echo "== $1: frosty.exe under Wine on Xvfb"
  # A Wine server still up from the runs without a display would keep their idea of the screen
  # (1024 x 768), and clip the larger windows of --scale 2 to it.
  WINEPREFIX="$(pwd)/build/windows/wine-$1" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  python3 tests/sdl/xvfb_suite.py --frosty "$build/app/frosty.exe" \
    --launcher scripts/wine-run.sh --replay "$linux/tools/frosty-replay/frosty-replay" \
    --x-helper "$linux/tests/sdl/frosty-x-helper"
}

failed=()
for arch in "${arches[@]}"; do
  if ! can_run "$arch"; then
    echo "== $arch: built only; running it needs Debian's wine32 (i386 multiarch) on a kernel" \
      "that runs 32-bit programs"
    continue
  fi
  echo "== $arch: the test suite under Wine"
  ctest --preset "$(preset_of "$arch")" -j "$(nproc)" || failed+=("$arch suite")
  desktop_cases "$arch" || failed+=("$arch desktop")
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
