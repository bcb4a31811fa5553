#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build directory and runs each for a
# bounded time, starting from its seed corpus in fuzz/corpus/<name>. A crash stops the script
# with a non-zero status and leaves the input under build/fuzz/artifacts/.
# Usage: scripts/fuzz.sh [SECONDS]   (per target; default 30)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
if [[ ! "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS]  (a whole number of seconds per fuzz target)" >&2
  exit 2
fi

build=build/fuzz
cmake -G Ninja -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2
mkdir -p "$build/artifacts"

for fuzzer in "$build"/fuzz_*; do
  [[ -x "$fuzzer" && -f "$fuzzer" ]] || continue
  name="${fuzzer##*/fuzz_}"
  # New inputs go to a scratch corpus, so the seeds in the repository stay as they are.
  scratch="$build/corpus/$name"
  mkdir -p "$scratch"
  log="$build/$name.log"
  # A kit call that takes long is a finding: one second for a whole sequence of them.
  limits=()
  [[ $name == kit_calls ]] && limits=(-timeout=1)
  echo "== $name: $seconds s"
  status=0
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    "${limits[@]}" "$scratch" "fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY' "$log" || true
  if [[ $status -ne 0 ]]; then
    echo "$name: failed (status $status); the input is in $build/artifacts/, the log in $log" >&2
    exit 1
  fi
done
