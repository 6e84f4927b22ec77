#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of Tenvari under Xvfb, driven from the
# keyboard as a user would: the input layout as the program starts, and the
# result of a reading (15 August 1947, 00:00, time zone 5:30 East), in
# English and, the same reading, in Hindi.
#
#   docs/screenshots/take.sh        writes docs/screenshots/input.png, result.png
#                                   and result-hi.png
#
# TENVARI_BIN: the program (default build/default/src/app/tenvari, which
# ./dev.sh test builds). Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ "${1:-}" != --under-xvfb ]; then
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "needs $tool (xvfb, xdotool, imagemagick)" >&2; exit 2; }
    done
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --under-xvfb
fi

tenvari=${TENVARI_BIN:-build/default/src/app/tenvari}
[ -x "$tenvari" ] || { echo "not built: $tenvari" >&2; exit 2; }
out=docs/screenshots

# A fresh user: no update reminder, no other copy running.
home=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
mkdir -p "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
# start LANGUAGE: starts a fresh copy in that language ("" for English) and
# waits for its window.
start() {
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime LC_ALL=C.UTF-8 \
        LANGUAGE=$1 "$tenvari" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tenvari v[0-9.]+$' | head -n 1)
    xdotool windowfocus --sync "$window"
    sleep 1
}

stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

# Without the time stamps ImageMagick writes, so an unchanged window gives
# an unchanged file.
shot() { import -window "$window" -strip "$out/$1"; }

# Name, then month (Down from January; a list also selects what is typed),
# day and year, hour and minute as they start (00:00), then the zone;
# File > Get My Ayanamsa Reading (Alt+F in every language).
reading() {
    xdotool type --delay 60 "Asha"
    xdotool key Tab && xdotool key Down Down Down Down Down Down Down
    xdotool key Tab && xdotool type --delay 60 "15"
    xdotool key Tab && xdotool type --delay 60 "1947"
    xdotool key Tab Tab Tab Tab && xdotool type --delay 60 "5"
    xdotool key Tab && xdotool type --delay 60 "30"
    xdotool key alt+f Return
    sleep 1
}

start ""
shot input.png
reading
shot result.png
stop

start hi
reading
shot result-hi.png
echo "wrote $out/input.png, $out/result.png and $out/result-hi.png"
