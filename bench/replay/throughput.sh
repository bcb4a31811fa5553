#!/usr/bin/env bash
# frosty-replay's throughput and memory on generated sessions, as a person would run it:
#   ticks   the editing screen animating, one Periodic event per timer tick
#   clicks  presses at random client pixels (seeded, so every run plays the same session)
# each with the drawing log on (--log, written to /dev/null) and every event traced (--events).
# Prints, per session: the events the program was given, seconds, events/s and peak RSS.
#
# Usage: bench/replay/throughput.sh [EVENTS...]   (default: 1000 10000 100000)
#   FROSTY_REPLAY=path  the binary to measure (default: the release build's)
#   LOG=off             leave the drawing log off
#   KINDS=ticks         only these sessions (default: "ticks clicks")
# Flat memory means the same peak RSS for 1000 and 1000000 events.
set -euo pipefail
cd "$(dirname "$0")/../.."

replay="${FROSTY_REPLAY:-build/release/tools/frosty-replay/frosty-replay}"
if [[ ! -x "$replay" ]]; then
  echo "no $replay: build the release preset first (cmake --build --preset release)" >&2
  exit 2
fi
sizes=("$@")
[[ ${#sizes[@]} -gt 0 ]] || sizes=(1000 10000 100000)
for size in "${sizes[@]}"; do
  if [[ ! "$size" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [EVENTS...]  (whole numbers of events)" >&2
    exit 2
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The first press leaves the intro; Ctrl+L switches the drawing log on.
opening() {
  echo "click 0 0"
  [[ "${LOG:-on}" == off ]] || echo "ctrl L"
}

ticks_session() {
  opening
  awk -v n="$1" 'BEGIN { for (; n > 0; n -= 1000000) print "tick", (n < 1000000 ? n : 1000000) }'
}

# Anywhere in the 595 x 496 client area: buttons, scoops, the palette and empty space.
clicks_session() {
  opening
  awk -v n="$1" 'BEGIN { srand(417); for (i = 0; i < n; i++)
    print "pixel", int(rand() * 595), int(rand() * 496) }'
}

printf '%-8s %10s %9s %10s %12s\n' session events seconds events/s "peak RSS"
for kind in ${KINDS:-ticks clicks}; do
  if [[ "$kind" != ticks && "$kind" != clicks ]]; then
    echo "KINDS takes ticks and clicks, not $kind" >&2
    exit 2
  fi
  for size in "${sizes[@]}"; do
    "${kind}_session" "$size" > "$work/session.drive"
    /usr/bin/time -f '%e %M' -o "$work/time.txt" \
      "$replay" "$work/session.drive" --log /dev/null --events "$work/events.txt"
    read -r seconds kilobytes < "$work/time.txt"
    events=$(wc -l < "$work/events.txt")
    awk -v k="$kind" -v e="$events" -v s="$seconds" -v m="$kilobytes" 'BEGIN {
      printf "%-8s %10d %9.2f %10.0f %9.1f MB\n", k, e, s, (s > 0 ? e / s : 0), m / 1024 }'
  done
done
