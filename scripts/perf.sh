#!/usr/bin/env bash
# What the game costs while it sits open: for each screen, the CPU time of the game's process
# as a share of one core over a measuring window (and of its main thread alone, which draws and
# runs the game; the rest is sound: OpenAL's mixer and the music's decoding), its proportional
# set size split into shared libraries and its own memory (heap and anonymous maps), and the
# time from start to a visible window; and, unswayed by how busy the machine is, the CPU time one frame costs headless (the
# game run for 1000 frames more, one logic step a frame, on the software renderer). Runs the
# game in a window on a private Xvfb display with openbox, so nothing on the
# desktop is disturbed; CPU time (not wall time) is measured, so a busy machine skews it little.
# Every run plays as the player "Perf", so no first-run name prompt stands over the screen measured.
# Every screen is measured in an 800x600 window and again in a 1600x1200 one (drawn at twice the
# resolution), and the idle play screen, the in-game menu and the dialog also with the music
# switched off in the settings (where OpenAL Soft's mixer rests once nothing sounds). With --peer
# the same run measures another small desktop puzzle game, Debian's five-or-more, installing it
# first when it is missing: its process only (CPU share, Pss, time to its window), as a yardstick
# on this machine.
#
#   scripts/perf.sh [--peer] [BINARY]        (default: build-test/quillox)
#   PERF_SECONDS=10 PERF_SETTLE=4 PERF_SHOTS=DIR PERF_SIZES="800x600 1600x1200" scripts/perf.sh
#   (DIR: a screenshot of each; PERF_ONLY=REGEX measures only the screens whose names match)
set -euo pipefail
cd "$(dirname "$0")/.."
peer=0
if [ "${1:-}" = "--peer" ]; then
    peer=1
    shift
fi
binary=$(realpath "${1:-build-test/quillox}")
sizes=${PERF_SIZES:-800x600 1600x1200}
peer_binary=/usr/games/five-or-more
if [ "$peer" = 1 ] && [ ! -x "$peer_binary" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq --no-install-recommends five-or-more >/dev/null
fi
seconds=${PERF_SECONDS:-10}
settle=${PERF_SETTLE:-4}
work=$(mktemp -d /tmp/quillox-perf.XXXXXX)
display=":$((200 + RANDOM % 500))"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1920x1440x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

export DISPLAY=$display ALSOFT_DRIVERS=null
export ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=0:malloc_context_size=0
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The main thread's alone (drawing and logic; the rest is sound: mixing and the music's decoding).
main_ticks() { awk '{print $14 + $15}' "/proc/$1/task/$1/stat"; }

# Pss in KiB: shared libraries, the game's own (heap, stack, anonymous), everything else.
memory() {
    awk '
        /^[0-9a-f]+-[0-9a-f]+ / { path = (NF >= 6) ? $6 : "" ; next }
        /^Pss:/ {
            if (path ~ /\.so/) libs += $2
            else if (path == "" || path ~ /^\[(heap|stack|anon)/) own += $2
            else other += $2
        }
        END { printf "%.1f %.1f %.1f %.1f", (libs + own + other) / 1024, libs / 1024, own / 1024,
                     other / 1024 }' "/proc/$1/smaps"
}

# Where to click to select a piece: the first filled cell of the board the seed deals.
piece_click() {
    local home=$work/probe
    mkdir -p "$home"
    printf '3 state %s/state.json\n4 quit\n' "$home" >"$home/script"
    XDG_RUNTIME_DIR=$home "$binary" --headless --data-home "$home" --ticks-per-frame 1 \
        --seed 7 --level 1 --script "$home/script" >/dev/null 2>&1
    python3 - "$home/state.json" <<'EOF'
import json, sys
screen = json.load(open(sys.argv[1]))["screen"]
cells = screen["Cells"]
for x, column in enumerate(screen["Board"]):
    for y, value in enumerate(column):
        if value:
            size = cells["Size"]
            print(cells["Left"] + x * size + size // 2, cells["Top"] + y * size + size // 2)
            sys.exit(0)
EOF
}

menu_click() {
    local home=$work/probe-menu
    mkdir -p "$home"
    printf '3 state %s/state.json\n4 quit\n' "$home" >"$home/script"
    XDG_RUNTIME_DIR=$home "$binary" --headless --data-home "$home" --ticks-per-frame 1 \
        --seed 7 --level 1 --script "$home/script" >/dev/null 2>&1
    python3 - "$home/state.json" <<'EOF'
import json, sys
x, y, w, h = json.load(open(sys.argv[1]))["screen"]["Buttons"]["MENU"]["rect"]
print(x + w // 2, y + h // 2)
EOF
}

# CPU seconds (user + system) of a headless run that quits at tick $1.
headless_cpu() {
    local quit=$1 lines=$2 home=$3
    shift 3
    rm -rf "$home"
    mkdir -p "$home"
    printf '%b%s quit\n' "$lines" "$quit" >"$home/script"
    XDG_RUNTIME_DIR=$home /usr/bin/time -f '%U %S' -o "$home/time" "$binary" --headless \
        --data-home "$home" --ticks-per-frame 1 --seed 7 --player Perf --script "$home/script" "$@" \
        >/dev/null 2>&1 || true
    awk '{ print $1 + $2 }' "$home/time"
}

# Milliseconds of CPU a frame costs headless: the difference of a long and a short run.
frame_cost() {
    local lines=$1
    shift
    local short long
    short=$(headless_cpu 300 "$lines" "$work/frames-short" "$@")
    long=$(headless_cpu 1300 "$lines" "$work/frames-long" "$@")
    awk -v s="$short" -v l="$long" 'BEGIN { printf "%.2f", (l - s) }'
}

# sample PID START: waits for the process's window (START: when it was started, in ns), lets it
# settle and measures it: prints "MS-TO-WINDOW CPU% PSS LIBS OWN OTHER", or nothing when the
# process ended first. The caller ends the process.
sample() {
    local pid=$1 start=$2 shown="?"
    for _ in $(seq 1 500); do
        kill -0 "$pid" 2>/dev/null || break
        if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
            shown=$((($(date +%s%N) - start) / 1000000))
            break
        fi
        sleep 0.01
    done
    kill -0 "$pid" 2>/dev/null || return 0
    sleep "$settle"
    local before after main_before main_after mem
    before=$(cpu_ticks "$pid")
    main_before=$(main_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    main_after=$(main_ticks "$pid")
    mem=$(memory "$pid")
    awk -v a="$before" -v b="$after" -v c="$main_before" -v d="$main_after" -v s="$seconds" \
        -v t="$ticks_per_second" -v w="$shown" -v m="$mem" \
        'BEGIN { printf "%s %.1f %.1f %s\n", w, 100 * (b - a) / t / s, 100 * (d - c) / t / s, m }'
}

# measure NAME SCRIPT-LINES ARGS...: one run, one line of the table.
measure() {
    local name=$1 lines=$2
    shift 2
    [[ -z "${PERF_ONLY:-}" || "$name" =~ ${PERF_ONLY:-} ]] || return 0
    local home=$work/${name// /-}-$size
    mkdir -p "$home"
    if [ -n "${settings:-}" ]; then
        mkdir -p "$home/Bexholt/Quillox"
        printf '%b' "$settings" >"$home/Bexholt/Quillox/quillox.ini"
    fi
    # The screenshot (encoding a PNG costs CPU and leaves memory behind) only when asked for.
    if [ -n "${PERF_SHOTS:-}" ]; then
        printf '%b600 screenshot %s/shot.png\n' "$lines" "$home" >"$home/script"
    else
        printf '%b' "$lines" >"$home/script"
    fi
    local start
    start=$(date +%s%N)
    XDG_RUNTIME_DIR=$home "$binary" --windowed "${window[@]}" --data-home "$home" --seed 7 \
        --player Perf \
        --script "$home/script" "$@" >"$home/log" 2>&1 &
    local pid=$!
    local shown cpu main pss libs own other
    read -r shown cpu main pss libs own other <<<"$(sample "$pid" "$start")"
    if [ -z "$cpu" ]; then
        printf '| %-22s | the game ended: %s\n' "$name" "$(tail -1 "$home/log")"
        return
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -n "${PERF_SHOTS:-}" ] && [ -f "$home/shot.png" ]; then
        mkdir -p "$PERF_SHOTS"
        cp "$home/shot.png" "$PERF_SHOTS/${name// /-}-$size.png"
    fi
    local frame
    frame=$(frame_cost "$lines" "${window[@]}" "$@")
    printf '| %-20s | %-9s | %6s %% | %6s %% | %7s | %7s | %7s | %7s | %7s | %7s |\n' "$name" \
        "$size" "$cpu" "$main" "$pss" "$libs" "$own" "$other" "$shown" "$frame"
}

# The yardstick: the peer game's own process, left alone on its first screen.
measure_peer() {
    local home=$work/peer
    mkdir -p "$home/config" "$home/data" "$home/cache"
    local start
    start=$(date +%s%N)
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
        XDG_RUNTIME_DIR=$home GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
        "$peer_binary" >"$home/log" 2>&1 &
    local pid=$!
    local shown cpu main pss libs own other
    read -r shown cpu main pss libs own other <<<"$(sample "$pid" "$start")"
    if [ -z "$cpu" ]; then
        printf '| %-20s | the game ended: %s\n' "five-or-more" "$(tail -1 "$home/log")"
        return
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    printf '| %-20s | %-9s | %6s %% | %6s %% | %7s | %7s | %7s | %7s | %7s | %7s |\n' \
        "five-or-more" "its own" "$cpu" "$main" "$pss" "$libs" "$own" "$other" "$shown" "-"
}

read -r piece_x piece_y <<<"$(piece_click)"
read -r menu_x menu_y <<<"$(menu_click)"
echo "binary: $binary"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo "| screen               | window    | CPU/core | main     | Pss MiB | libs    | own     | other   | window ms | ms/frame |"
echo "|----------------------|-----------|----------|----------|---------|---------|---------|---------|-----------|----------|"
for size in $sizes; do
    # The canvas's own size needs no option (so older builds can be measured too).
    window=()
    [ "$size" = 800x600 ] || window=(--window "$size")
    measure "title screen" '' --screen title
    measure "level select" '' --screen levelselect
    measure "play level 1 idle" '' --level 1
    measure "play piece selected" "200 click $piece_x $piece_y\n" --level 1
    measure "in-game menu" "200 click $menu_x $menu_y\n" --level 1
    measure "dialog message" '' --dialog message
    settings='MUSIC=0\n'
    measure "idle, music off" '' --level 1
    measure "menu, music off" "200 click $menu_x $menu_y\n" --level 1
    measure "dialog, music off" '' --dialog message
    settings=''
done
if [ "$peer" = 1 ]; then measure_peer; fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
