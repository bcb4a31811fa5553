#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (build/windows/wine-ARCH, made
# on first use), quietly; the cross build's tests run through it.
# Usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
arch=x86_64
# A 32-bit program needs Debian's wine32, whose loader is plain `wine`.
if [[ "$(od -An -tx2 -j"$(( $(od -An -tu4 -j60 -N4 "$1") + 4 ))" -N2 "$1" | tr -d ' ')" == 014c ]]; then
  arch=i686
  wine=$(command -v wine || echo /usr/lib/wine/wine)
fi
export WINEPREFIX="${WINEPREFIX:-$root/build/windows/wine-$arch}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1
fi
exec "$wine" "$@"
