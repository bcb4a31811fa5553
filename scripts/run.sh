#!/usr/bin/env bash
# Builds the release preset and starts frosty on the desktop. Without a display, renders the
# bundled demo session with frosty-replay into out/ instead and says where the pictures are.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target frosty frosty-replay

build=build/release
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$build/app/frosty" "$@"
fi

echo "No display here (DISPLAY and WAYLAND_DISPLAY are unset), so frosty cannot open its windows."
echo "Rendering the demo session (demo/demo.drive) with frosty-replay instead."
mkdir -p out
"$build/tools/frosty-replay/frosty-replay" demo/demo.drive \
  --window out/demo-window.png --canvas out/demo-canvas.png --console out/demo-console.png \
  --log out/demo-log.txt
echo "The pictures are in $(pwd)/out:"
echo "  out/demo-window.png   the graphics window: menu bar and client area"
echo "  out/demo-canvas.png   the whole 601 x 540 canvas"
echo "  out/demo-console.png  the console window"
