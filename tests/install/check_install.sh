#!/usr/bin/env bash
# The kit as a stranger gets it.
#   check_install.sh install BUILD SOURCE  installs into a temporary prefix, builds Scoop Drop
#       against it with find_package and with pkg-config alone, and plays its drive file; builds
#       the manual's examples and the tutorial's programs against it and runs their tests
#   check_install.sh deb BUILD SOURCE      packs the .deb, checks its files and Depends, unpacks
#       it into a throwaway root and runs frosty-replay and the demo from there
set -euo pipefail
mode=$1 build=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs a replay executable on a drive file in $work and compares its window and log.
check_replay() {
  local replay=$1 drive=$2 picture=$3 log=${4:-}
  (cd "$work" && "$replay" "$drive" --window window.png --log log.txt) ||
    fail "$replay $drive exited $?"
  cmp -s "$work/window.png" "$picture" || fail "$replay draws another picture than $picture"
  [[ -z $log ]] || diff -u "$log" "$work/log.txt" || fail "$replay prints another log than $log"
}

check_installed_kit() {
  local prefix=$work/prefix example=$source/examples
  cmake --install "$build" --prefix "$prefix" >/dev/null
  local headers
  headers=$(cd "$prefix/include" && find . -type f)
  [[ $headers == ./pz417/kit.h ]] || fail "installed headers are not kit.h alone: $headers"

  cmake -S "$example" -B "$work/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  cmake --build "$work/cmake" >/dev/null
  local entry
  for entry in desktop replay; do
    # shellcheck disable=SC2046  # pkg-config's flags are words
    c++ -std=c++17 -o "$work/scoop-drop-$entry" "$example/scoop_drop.cpp" \
      $(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --cflags --libs "pz417-$entry")
  done

  "$work/cmake/scoop-drop" --version | grep -q "^scoop-drop (PZ417 kit) " ||
    fail "the desktop entry does not tell its version"
  check_replay "$work/cmake/scoop-drop-replay" "$example/scoop_drop.drive" \
    "$example/scoop_drop.png" "$example/scoop_drop.log"
  check_replay "$work/scoop-drop-replay" "$example/scoop_drop.drive" \
    "$example/scoop_drop.png" "$example/scoop_drop.log"

  # What the manual pages and the tutorial show, as their own tests check it.
  local project
  for project in manual tutorial; do
    cmake -S "$example/$project" -B "$work/$project" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    cmake --build "$work/$project" >/dev/null
    ctest --test-dir "$work/$project" --output-on-failure -j "$(nproc)" >"$work/$project.txt" ||
      { cat "$work/$project.txt" >&2; fail "the tests of examples/$project fail on the installed kit"; }
  done
}

check_deb() {
  (cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
  local deb
  deb=$(echo "$work"/deb/pz417_*.deb)
  [[ -f $deb ]] || fail "cpack made no pz417 .deb"

  local files expected
  files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
  for expected in bin/frosty bin/frosty-replay include/pz417/kit.h lib/libpz417.a \
    lib/libpz417_desktop.a lib/libpz417_replay.a lib/cmake/PZ417/PZ417Config.cmake \
    lib/pkgconfig/pz417.pc lib/pkgconfig/pz417-desktop.pc lib/pkgconfig/pz417-replay.pc \
    share/man/man6/frosty.6.gz share/man/man1/frosty-replay.1.gz share/man/man3/pz417.3.gz \
    share/man/man3/KitCircle.3.gz share/man/man3/KitTextf.3.gz share/man/man5/pz417-script.5.gz \
    share/man/man1/pz417-replay.1.gz \
    share/applications/frosty.desktop \
    share/icons/hicolor/48x48/apps/frosty.png share/icons/hicolor/256x256/apps/frosty.png \
    share/icons/hicolor/scalable/apps/frosty.svg share/doc/pz417/demo.drive \
    share/doc/pz417/fonts/LiberationSans-Regular.ttf share/doc/pz417/examples/tutorial/hello.cpp \
    share/doc/pz417/examples/manual/KitCircle.cpp share/doc/pz417/docs/tutorial.md \
    share/doc/pz417/docs/manual/pz417.3.html; do
    grep -qx "\./usr/$expected" <<<"$files" || fail "the .deb lacks /usr/$expected"
  done
  local headers
  headers=$(grep '^\./usr/include/.*[^/]$' <<<"$files")
  [[ $headers == ./usr/include/pz417/kit.h ]] || fail "the .deb's headers are not kit.h alone"

  local depends
  depends=$(dpkg-deb --field "$deb" Depends)
  local packages  # one a line, without versions
  packages=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
  for expected in libc6 libstdc++6 libsdl2-2.0-0 libfreetype6 libpng16-16 libx11-6; do
    grep -qxF "$expected" <<<"$packages" || fail "Depends lacks $expected: $depends"
  done

  dpkg -x "$deb" "$work/root"
  # man finds every call's page, also the calls that share a page, through the links.
  local page
  for page in 3:pz417 3:KitWaitEvent 3:KitTextf 3:KitClose 3:WinMain 5:pz417-script 1:pz417-replay; do
    man -M "$work/root/usr/share/man" "${page%%:*}" "${page#*:}" 2>/dev/null |
      grep -q "^NAME" || fail "man ${page%%:*} ${page#*:} opens no page from the .deb"
  done
  local replay=$work/root/usr/bin/frosty-replay
  "$replay" --version | grep -q "^frosty-replay (PZ417 kit) " || fail "frosty-replay --version"
  check_replay "$replay" "$work/root/usr/share/doc/pz417/demo.drive" \
    "$source/tests/replay/golden/demo-window.png"
}

case $mode in
  install) check_installed_kit ;;
  deb) check_deb ;;
  *) fail "unknown mode $mode" ;;
esac
echo "ok: $mode"
