#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: launches Tenvari and two plain Qt Widgets programs many
# times each under Xvfb and reports, for each, the median time from launch
# until its window is mapped and the median peak memory (VmHWM), and the
# ratios of Tenvari to both: the baseline (one window, one label) and the
# floor with controls (a window of Tenvari's size with as many controls of
# each kind, no program logic).
#
#   bench/startup.sh [runs]          (default 30 runs of each)
#
# STORE=fresh (default): every run is a first run; Tenvari writes today's
# date to its new settings file (QSettings syncs it to disk).
# STORE=recent: the settings file already holds today's date, as on most
# starts; Tenvari only reads it.
# STORE=huge: 50 MB of random bytes lie where the settings file should be;
# Tenvari must leave them alone and start as fast as ever. Each run checks
# that the file is unchanged afterwards.
#
# Programs (Release builds; see bench/README.md):
#   TENVARI_BIN   default build/bench/src/app/tenvari
#   BASELINE_BIN  default build/bench/bench/startup/minimal_window
#   CONTROLS_BIN  default build/bench/bench/startup/controls_window
#
# Each run gets a fresh HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR: it shows
# no update reminder and finds no other copy. The runtime folder is made on
# tmpfs (/dev/shm) where there is one, as a login session's is. Runs alternate
# between the three programs, so a busy machine slows both alike. The window
# is looked for every few milliseconds with xdotool (its --sync polls only
# twice a second); each look costs about as much for both programs.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-30}
tenvari=${TENVARI_BIN:-build/bench/src/app/tenvari}
baseline=${BASELINE_BIN:-build/bench/bench/startup/minimal_window}
controls=${CONTROLS_BIN:-build/bench/bench/startup/controls_window}
store=${STORE:-fresh}
poll_interval=0.002
timeout_ms=20000

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 2; }
done
for program in "$tenvari" "$baseline" "$controls"; do
    [ -x "$program" ] || { echo "not built: $program (see bench/README.md)" >&2; exit 2; }
done

work=$(mktemp -d)
runtime_base=$work
[ -d /dev/shm ] && [ -w /dev/shm ] && runtime_base=$(mktemp -d /dev/shm/tenvari-bench.XXXXXX)
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
    if [ "$runtime_base" != "$work" ]; then rm -rf "$runtime_base"; fi
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number. -noreset: by
# default the server resets whenever its last client leaves, and a program
# started during the reset cannot connect.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

now_ns() { date +%s%N; }

# One run: prints "<milliseconds to mapped> <VmHWM in kB>".
measure() {
    local program=$1 title=$2 run_dir runtime
    run_dir=$(mktemp -d "$work/run.XXXXXX")
    runtime=$(mktemp -d "$runtime_base/runtime.XXXXXX")
    mkdir -p "$run_dir/config"
    chmod 700 "$runtime"
    local settings
    settings="$run_dir/config/$(basename "$program").conf"
    if [ "$store" = recent ]; then
        printf '[Settings]\nDuration=%s\n' "$(date +%F)" >"$settings"
    elif [ "$store" = huge ]; then
        cp "$work/huge.conf" "$settings"
    fi

    local start end
    start=$(now_ns)
    HOME="$run_dir" XDG_CONFIG_HOME="$run_dir/config" XDG_RUNTIME_DIR="$runtime" \
        "$program" >/dev/null 2>&1 &
    program_pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            echo "$program ended before showing its window" >&2
            exit 1
        fi
        if (($(now_ns) - start > timeout_ms * 1000000)); then
            echo "$program showed no window within ${timeout_ms} ms" >&2
            exit 1
        fi
        sleep "$poll_interval"
    done
    end=$(now_ns)

    # Let the first paint finish before reading the peak.
    sleep 0.3
    local hwm
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$program_pid/status")
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    if [ "$store" = huge ] && ! cmp -s "$work/huge.conf" "$settings"; then
        echo "$program changed the settings file" >&2
        exit 1
    fi
    rm -rf "$run_dir" "$runtime"
    echo "$(((end - start) / 1000)) $hwm"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

if [ "$store" = huge ]; then
    head -c $((50 * 1024 * 1024)) /dev/urandom >"$work/huge.conf"
fi
: >"$work/tenvari"
: >"$work/baseline"
: >"$work/controls"
tenvari_title='^Tenvari v'
baseline_title='^Minimal Qt window$'
controls_title='^Plain Qt window with controls$'
# One unmeasured run each warms the disk cache.
measure "$tenvari" "$tenvari_title" >/dev/null
measure "$baseline" "$baseline_title" >/dev/null
measure "$controls" "$controls_title" >/dev/null
for ((i = 1; i <= runs; i++)); do
    measure "$tenvari" "$tenvari_title" >>"$work/tenvari"
    measure "$baseline" "$baseline_title" >>"$work/baseline"
    measure "$controls" "$controls_title" >>"$work/controls"
done

t_time=$(cut -d' ' -f1 "$work/tenvari" | median)
t_mem=$(cut -d' ' -f2 "$work/tenvari" | median)
b_time=$(cut -d' ' -f1 "$work/baseline" | median)
b_mem=$(cut -d' ' -f2 "$work/baseline" | median)
c_time=$(cut -d' ' -f1 "$work/controls" | median)
c_mem=$(cut -d' ' -f2 "$work/controls" | median)

awk -v runs="$runs" -v store="$store" -v tt="$t_time" -v tm="$t_mem" -v bt="$b_time" -v bm="$b_mem" \
    -v ct="$c_time" -v cm="$c_mem" 'BEGIN {
    printf "runs of each:             %d (store: %s)\n", runs, store
    printf "                          %10s %10s %10s %8s %8s %6s\n", "Tenvari", "baseline", "controls", "/base", "/ctrl", "goal"
    printf "start-up to mapped (ms)   %10.1f %10.1f %10.1f %8.2f %8.2f %6s\n", tt / 1000, bt / 1000, ct / 1000, tt / bt, tt / ct, "1.12"
    printf "peak memory VmHWM (MiB)   %10.1f %10.1f %10.1f %8.2f %8.2f %6s\n", tm / 1024, bm / 1024, cm / 1024, tm / bm, tm / cm, "1.12"
}'
