#!/usr/bin/env bash
# Measures how soon the loading screen appears and how long the whole load takes, in a real
# window under Xvfb: five starts, each on a fresh data home, and the median of each figure.
# Usage: scripts/startup-time.sh [path/to/quillox]   (default: build/quillox, else build-test/)
set -euo pipefail
cd "$(dirname "$0")/.."
game="${1:-build/quillox}"
[ -x "$game" ] || game=build-test/quillox
[ -x "$game" ] || { echo "no game binary: build it first" >&2; exit 1; }

work="$(mktemp -d)"
display=":$((90 + RANDOM % 400))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

echo "1 quit" >"$work/quit.txt"
first=()
whole=()
for run in 1 2 3 4 5; do
    home="$work/home$run"
    mkdir -p "$home" "$work/run$run"
    start=$(date +%s%3N)
    out=$(DISPLAY="$display" XDG_RUNTIME_DIR="$work/run$run" ALSOFT_DRIVERS=null \
        ASAN_OPTIONS=detect_leaks=0 "$game" --windowed --data-home "$home" --report-startup \
        --script "$work/quit.txt")
    shown=$(sed -n 's/^loading screen shown //p' <<<"$out")
    ended=$(sed -n 's/^loading ended //p' <<<"$out")
    first+=($((shown - start)))
    whole+=($((ended - start)))
    echo "run $run: loading screen after $((shown - start)) ms, loaded after $((ended - start)) ms"
done

median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }
echo "median: loading screen after $(median "${first[@]}") ms (target 150)," \
    "loaded after $(median "${whole[@]}") ms (target 1000)"
