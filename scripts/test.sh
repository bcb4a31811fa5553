#!/usr/bin/env bash
# Builds everything with the sanitizers and runs every test: a bounded fuzzing run of the
# file readers, then the whole suite (unit, end-to-end through frosty-replay, real windows under
# Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests
cmake --preset debug >/dev/null
cmake --build --preset debug
scripts/fuzz.sh 30
ctest --preset debug -j "$(nproc)"
