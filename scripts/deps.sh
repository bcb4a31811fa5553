#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; skips what is installed.
set -euo pipefail
# shellcheck source=lib/debian-sources.sh
source "$(dirname "$0")/lib/debian-sources.sh"

packages=(
  build-essential cmake ninja-build pkg-config
  libfreetype-dev libpng-dev
  libsdl2-dev libx11-dev python3
  googletest libgtest-dev libbenchmark-dev
)
# dpkg-shlibdeps (dpkg-dev) and file find the .deb's Depends. For the tests, mandoc lints the
# kit's manual pages and renders them as HTML, and man opens them from the .deb.
packaging=(dpkg-dev file)
for option in "$@"; do
  case "$option" in
    --tests) packages+=(xvfb xauth xdotool imagemagick clang libclang-rt-14-dev mandoc man-db "${packaging[@]}") ;;
    --package) packages+=("${packaging[@]}") ;;
    --wine) packages+=(wine64) ;;  # runs the Windows build
    --web) packages+=(chromium) ;;  # runs the pages, headless
    *) echo "usage: $0 [--tests] [--package] [--wine] [--web]" >&2; exit 2 ;;
  esac
done

install_missing "${packages[@]}"
