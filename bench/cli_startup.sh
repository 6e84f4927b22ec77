#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of tenvari-cli for one moment, beside `tenvari --version`: the
# median wall time from launch to exit over many runs of each, alternating.
#
#   bench/cli_startup.sh [runs]          (default 50 runs of each)
#
# Programs (Release builds; see bench/README.md):
#   CLI_BIN       default build/bench/src/cli/tenvari-cli
#   TENVARI_BIN   default build/bench/src/app/tenvari
#
# /bin/true is timed as well: the floor of launching any process on the
# machine. Times come from bash's $EPOCHREALTIME, so no extra process is
# timed. The
# window program runs on Qt's offscreen platform with a fresh HOME and XDG
# folders. A `tenvari` that does not take --version starts its window
# instead; the script notices (it has not ended after 5 s), says so and
# times tenvari-cli alone.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-50}
cli=${CLI_BIN:-build/bench/src/cli/tenvari-cli}
tenvari=${TENVARI_BIN:-build/bench/src/app/tenvari}
for program in "$cli" "$tenvari"; do
    [ -x "$program" ] || { echo "not built: $program (see bench/README.md)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
run_window() {
    HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen "$@"
}

micros() { local t=${EPOCHREALTIME/./}; echo "${t#0}"; }
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# Does the window program take --version?
version_ok=yes
if ! out=$(run_window timeout 5 "$tenvari" --version 2>/dev/null) || [ -z "$out" ]; then
    version_ok=no
fi

: >"$work/cli"
: >"$work/window"
: >"$work/true"
"$cli" 1947-08-15 00:00 --zone +05:30 >/dev/null # warm the disk cache
for ((i = 1; i <= runs; i++)); do
    start=$(micros)
    /bin/true
    echo $(($(micros) - start)) >>"$work/true"
    start=$(micros)
    "$cli" 1947-08-15 00:00 --zone +05:30 >/dev/null
    echo $(($(micros) - start)) >>"$work/cli"
    if [ "$version_ok" = yes ]; then
        start=$(micros)
        run_window "$tenvari" --version >/dev/null 2>&1
        echo $(($(micros) - start)) >>"$work/window"
    fi
done

cli_us=$(median <"$work/cli")
true_us=$(median <"$work/true")
window_us=$( [ "$version_ok" = yes ] && median <"$work/window" || echo 0)
awk -v runs="$runs" -v t="$true_us" -v c="$cli_us" -v w="$window_us" -v ok="$version_ok" 'BEGIN {
    printf "runs of each:                                %d\n", runs
    printf "/bin/true (the cost of any process)          %8.2f ms (median)\n", t / 1000
    printf "tenvari-cli 1947-08-15 00:00 --zone +05:30   %8.2f ms (median)\n", c / 1000
    if (ok == "yes") {
        printf "tenvari --version                            %8.2f ms (median)\n", w / 1000
        printf "ratio                                        %8.2f\n", c / w
    } else {
        print "tenvari --version: not taken by this build (it starts its window);"
        print "  compare with the launch-to-mapped time of bench/startup.sh"
    }
}'
