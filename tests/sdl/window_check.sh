#!/usr/bin/env bash
# End-to-end check of the sdl backend on Xvfb with a 640x480x24 screen: sdl_window_check must
# open its window full screen over the whole screen, show the colour it clears to, see F12, F11
# and Escape sent by xdotool, and exit 0.
# Usage: window_check.sh PROGRAM OUTPUT_DIR   (the screenshot and the program's output go there)
set -u
program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/xvfb.sh"

expected_colour="srgb(51,102,204)"  # the clear colour (0.2, 0.4, 0.8)

fail() {
    echo "FAIL: $*" >&2
    echo "--- program stdout:" >&2
    cat "$out/stdout" >&2
    echo "--- program stderr:" >&2
    cat "$out/stderr" >&2
    exit 1
}

# Waits up to 10 s for the program to print a line.
wait_for_line() {
    local tries
    for tries in $(seq 100); do
        grep -qx "$1" "$out/stdout" && return 0
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    grep -qx "$1" "$out/stdout"
}

# Waits up to 20 s for the program's window to be mapped.
find_window() {
    local tries
    for tries in $(seq 200); do
        window=$(xdotool search --onlyvisible --name '^Tarvo SDL window check$' 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        kill -0 "$program_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

mkdir -p "$out"
rm -f "$out/stdout" "$out/stderr" "$out/screen.png"
touch "$out/stdout" "$out/stderr"
start_xvfb || exit 1

timeout -s KILL 60 "$program" >"$out/stdout" 2>"$out/stderr" &
program_pid=$!
# timeout passes the TERM on to the program; losing the X server ends it in any case.
trap 'kill "$program_pid" 2>/dev/null; stop_xvfb' EXIT

find_window || fail "no window appeared"

wait_for_line "window 640x480 full screen" || fail "the window did not start full screen at 640x480"

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,640,480" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT, not full screen"

# The first frames may not be presented yet: look a few times.
screen=""
for tries in $(seq 50); do
    import -window root "$out/screen.png" 2>/dev/null &&
        screen=$(convert "$out/screen.png" -format '%k colours, centre %[pixel:p{320,240}]' info:)
    [ "$screen" = "1 colours, centre $expected_colour" ] && break
    sleep 0.1
done
[ "$screen" = "1 colours, centre $expected_colour" ] || fail "screen shows $screen, not only $expected_colour"

# With no window manager the keyboard focus follows the pointer: keep it over the window.
xdotool mousemove 320 240
for key in F12:123 F11:122 Escape:27; do
    xdotool key "${key%%:*}"
    wait_for_line "key ${key##*:}" || fail "no \"key ${key##*:}\" after ${key%%:*}"
done

wait "$program_pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "window check passed: full screen 640x480, $expected_colour, keys 123 122 27"
