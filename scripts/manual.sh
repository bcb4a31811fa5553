#!/usr/bin/env bash
# Brings what the kit's manual and the tutorial show up to date with the kit: builds the release
# preset, installs it into a temporary prefix, builds examples/manual and examples/tutorial
# against it, plays their programs and copies the pictures, console lines and script files they
# produce over the committed ones, then renders every manual page as HTML into docs/manual/.
# Look at the changes (git diff, and the PNGs) before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests
cmake --preset release >/dev/null
cmake --build --preset release
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install build/release --prefix "$work/prefix" >/dev/null

for project in manual tutorial; do
  cmake -S "examples/$project" -B "$work/$project" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
  cmake --build "$work/$project" >/dev/null
done
PZ417_UPDATE_EXAMPLES=1 ctest --test-dir "$work/manual" >/dev/null
# The replay runs alone: their comparisons with the committed files are what this updates.
ctest --test-dir "$work/tutorial" --exclude-regex : --output-on-failure
cp "$work"/tutorial/*.png "$work"/tutorial/*.log examples/tutorial/
cp "$work/tutorial/PZ417.SCR" examples/tutorial/sketch.scr

# The pages again, as they include what the examples just wrote.
cmake --build --preset release --target kit_manual >/dev/null
version=$(sed -n 's/^project([^ ]* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
python3 tests/manual/check_manual.py --source . --built build/release/kit/man --version "$version" \
  --update html
echo "updated examples/manual, examples/tutorial and docs/manual; see git status"
