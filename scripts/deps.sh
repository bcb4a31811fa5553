#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; skips what is installed.
set -euo pipefail

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

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
