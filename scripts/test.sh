#!/usr/bin/env bash
# Builds everything twice, with the sanitizers and as users run it (the release preset), and runs
# every test on both builds: a bounded fuzzing run of the file readers, then the whole suite (unit,
# end-to-end through frosty-replay, real windows under Xvfb), the Windows build under Wine, and the
# pages in headless Chromium.
# Optimisation-dependent faults show only in the release build; memory and undefined-behaviour
# faults only under the sanitizers.
# Both suites run even when the first fails, so that one run reports every failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests
for preset in debug release; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
scripts/fuzz.sh 30
failed=()
for preset in debug release; do
  echo "== ctest --preset $preset"
  ctest --preset "$preset" -j "$(nproc)" || failed+=("$preset")
done
# The native Windows build, cross-built and run under Wine against the Linux release build.
scripts/windows.sh --test x86_64 || failed+=(windows)
# The pages, built with emscripten and run in headless Chromium against the Linux release build.
scripts/web.sh --test || failed+=(web)
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
