#!/usr/bin/env bash
# Compares the rasterizer with the GDI reference renderer (Wine's GDI), set by set, pixel for
# pixel. A development aid that needs the reference renderer's tools; the tests never do.
# Usage: tests/raster/compare_with_gdiref.sh GDIREF_DIR [BUILD_DIR] [OUT_DIR]
#   GDIREF_DIR  the reference renderer's folder (its refbatch.sh)
#   BUILD_DIR   a build with raster_reference_compare (default build/release)
#   OUT_DIR     where the scenes and pictures go (default build/gdiref-compare)
set -euo pipefail
cd "$(dirname "$0")/../.."
gdiref="${1:?usage: $0 GDIREF_DIR [BUILD_DIR] [OUT_DIR]}"
build="${2:-build/release}"
out="${3:-build/gdiref-compare}"
compare="$build/tests/raster/raster_reference_compare"
[[ -x "$compare" ]] || { echo "$compare is missing: build the raster_reference_compare target" >&2; exit 2; }

rm -rf "$out"
python3 tests/raster/reference_cases.py "$out/scenes" >/dev/null
status=0
for set in "$out"/scenes/*/; do
  name=$(basename "$set")
  "$gdiref/refbatch.sh" "$out/pictures/$name" "$set"*.txt 2>"$out/$name.wine.log" >/dev/null || true
  # Scenes the reference renderer warned about are no reference.
  skipped=$(grep -c 'warning' "$out/$name.wine.log" || true)
  if ! "$compare" "$out/pictures/$name" "$set"*.txt >"$out/$name.result"; then status=1; fi
  echo "$name: $(tail -1 "$out/$name.result") (reference warnings: $skipped)"
done
exit $status
