#!/usr/bin/env bash
# End-to-end test of the demo itself: the real tarvo on a fresh Xvfb (640x480x24, no window
# manager), driven with xdotool, watched through screenshots, the window's geometry and the
# full-screen requests it sends to a window manager. Every case is a fresh run of the
# program; all cases run, and each failure says why.
# Usage: tarvo_e2e.sh PROGRAM WM_PROBE WORK_DIR
#   (WORK_DIR keeps the screenshots, each run's output and the full-screen requests sent)
set -u
program=$1
wm_probe=$2
work=$3
. "$(cd "$(dirname "$0")" && pwd)/../sdl/xvfb.sh"
. "$(cd "$(dirname "$0")" && pwd)/../support/demo_harness.sh"

title='Tarvo - Brunelak 2001'
case_name=""
demo_pid=""
probe_pid=""
requests_before=0  # lines in the probe's log before this case's run
window=""
failed_cases=()

fail() {
    echo "FAIL [$case_name]: $*" >&2
    echo "--- tarvo output (last lines of $work/$case_name.log):" >&2
    tail -n 20 "$work/$case_name.log" >&2 2>/dev/null
    return 1
}

# Sets window to a visible window with the title other than $1 (the one before a rebuild).
new_window() {
    local found
    found=$(bounded xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$found" ] && [ "$found" != "${1:-}" ] && window=$found
}

drawn_frame() {
    bounded import -window root "$work/$case_name-first-frame.png" 2>/dev/null &&
        [ "$(convert "$work/$case_name-first-frame.png" -format %k info:)" -gt 1 ] 2>/dev/null
}

asked_full_screen() {
    tail -n +$((requests_before + 1)) "$work/requests.wm" | grep -qx "$window add _NET_WM_STATE_FULLSCREEN"
}

# The probe runs for the whole test: as an X client that stays, it also keeps Xvfb from
# resetting (and refusing clients for a moment) whenever the last one leaves.
start_probe() {
    timeout -s KILL 600 "$wm_probe" watch >"$work/requests.wm" 2>&1 &
    probe_pid=$!
    for _ in $(seq 50); do
        grep -qx ready "$work/requests.wm" && return 0
        sleep 0.1
    done
    echo "wm_probe does not listen: $(cat "$work/requests.wm")" >&2
    return 1
}

# Starts the demo and waits until its window shows a drawn frame (more than one colour), so
# that its main loop runs when keys arrive.
start_demo() {
    requests_before=$(wc -l <"$work/requests.wm")
    SDL_AUDIODRIVER=dummy timeout -s KILL 60 "$program" >"$work/$case_name.log" 2>&1 &
    demo_pid=$!
    poll 20 new_window || { fail "no window titled \"$title\" appeared (tarvo $(alive_word))"; return 1; }
    # Without a window manager the keyboard focus follows the pointer: keep it over the window.
    bounded xdotool mousemove 320 240
    poll 10 drawn_frame || fail "the window shows no drawn frame (tarvo $(alive_word))"
}

# Ends a run; timeout passes the TERM on to the demo, which closes. The next case must not find
# this run's window, so wait up to 10 s for it to go.
stop_demo() {
    [ -n "$demo_pid" ] || return 0
    kill "$demo_pid" 2>/dev/null
    wait "$demo_pid" 2>/dev/null
    demo_pid=""
    for _ in $(seq 100); do
        new_window "" || return 0
        sleep 0.1
    done
    echo "warning: a window titled \"$title\" is still open after its run" >&2
}

# The demo reads keys once a frame, so a press and its release must not arrive within one
# frame: hold each key like a hand would (well short of the keyboard's auto-repeat).
press() {
    bounded xdotool keydown "$1"
    sleep 0.3
    bounded xdotool keyup "$1"
}

# Presses F11 until the window is rebuilt: after a switch the demo ignores F11 for 25 frames,
# which take longer the slower it draws.
switch_mode() {
    local old=$window
    for _ in $(seq 10); do
        press F11
        poll 2 new_window "$old" && return 0
        alive || return 1
    done
    return 1
}

# Waits up to 10 s for the demo to exit, then checks that it exited with 0.
expect_exit_0() {
    local status
    poll 10 false  # returns once the demo has gone, or after 10 s
    alive && { fail "still running 10 s after $1"; return 1; }
    wait "$demo_pid"
    status=$?
    demo_pid=""
    [ "$status" -eq 0 ] || fail "exit status $status after $1, not 0"
}

# Full screen: the window covers the screen and asked the (absent) window manager for it.
expect_full_screen() {
    local geometry
    geometry=$(bounded xdotool getwindowgeometry --shell "$window" |
               awk -F= '{ v[$1] = $2 } END { print v["WIDTH"] "x" v["HEIGHT"] "+" v["X"] "+" v["Y"] }')
    [ "$geometry" = 640x480+0+0 ] || { fail "$1: the window is $geometry, not 640x480+0+0"; return 1; }
    poll 5 asked_full_screen || fail "$1: the window never asked to be full screen"
}

region_pixels() { convert "$1" -crop 600x100+0+0 +repage -depth 8 txt:-; }

# Counts the pixels in the top-left region (x 0..599, y 0..99) of screenshot $2 that have an
# overlay colour (pure yellow, green or white) they did not have in screenshot $1; prints
# "yellow green white".
new_overlay_pixels() {
    awk -F '[^0-9]+' '
        function colour(r, g, b) {
            if (r >= 230 && g >= 230) return b >= 230 ? "white" : b <= 40 ? "yellow" : ""
            return g >= 230 && r <= 40 && b <= 40 ? "green" : ""
        }
        /^#/ { next }
        NR == FNR { was[$1 "," $2] = colour($3, $4, $5); next }
        { c = colour($3, $4, $5); if (c != "" && c != was[$1 "," $2]) ++n[c] }
        END { printf "%d %d %d\n", n["yellow"], n["green"], n["white"] }
    ' <(region_pixels "$1") <(region_pixels "$2")
}

case_starts_full_screen() {
    start_demo || return 1
    expect_full_screen "at start"
}

case_f12_shows_overlay() {
    start_demo || return 1
    bounded import -window root "$work/before-f12.png" || { fail "no screenshot before F12"; return 1; }
    press F12
    sleep 1  # many frames
    bounded import -window root "$work/after-f12.png" || { fail "no screenshot after F12"; return 1; }
    local yellow green white
    read -r yellow green white < <(new_overlay_pixels "$work/before-f12.png" "$work/after-f12.png")
    echo "overlay: new pixels in the top-left region: $yellow yellow, $green green, $white white"
    # Text, neither nothing nor solid blocks: each colour shows, and together they cover well
    # under half of the 600x100 region.
    if [ "${yellow:-0}" -lt 300 ] || [ "${green:-0}" -lt 300 ] || [ "${white:-0}" -lt 300 ]; then
        fail "no statistics text after F12 (see $work/after-f12.png)"
        return 1
    fi
    [ $((yellow + green + white)) -le 25000 ] ||
        fail "the overlay covers the region in solid colour (see $work/after-f12.png)"
}

case_f11_goes_windowed_and_back() {
    start_demo || return 1
    expect_full_screen "at start" || return 1
    switch_mode || { fail "no new window after F11 (tarvo $(alive_word))"; return 1; }
    sleep 1  # time for a full-screen request to show
    ! asked_full_screen || { fail "the window after the first F11 asked to be full screen"; return 1; }
    switch_mode || { fail "no new window after F11 in windowed mode (tarvo $(alive_word))"; return 1; }
    expect_full_screen "after the second switch" || return 1
    sleep 1
    alive || fail "exited within a second of going full screen again"
}

case_escape_exits_0() {
    start_demo || return 1
    press Escape
    expect_exit_0 Escape
}

case_close_request_exits_0() {
    start_demo || return 1
    bounded "$wm_probe" close "$window" || { fail "could not send WM_DELETE_WINDOW"; return 1; }
    expect_exit_0 "a WM_DELETE_WINDOW request"
}

case_alt_f4_exits_0() {
    start_demo || return 1
    press alt+F4
    expect_exit_0 Alt+F4
}

mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.log "$work"/*.wm
start_xvfb || exit 1
trap 'stop_demo; kill "$probe_pid" 2>/dev/null; wait "$probe_pid" 2>/dev/null; stop_xvfb' EXIT
start_probe || exit 1

for case_name in starts_full_screen f12_shows_overlay f11_goes_windowed_and_back escape_exits_0 \
                 close_request_exits_0 alt_f4_exits_0; do
    if "case_$case_name"; then
        echo "ok   $case_name"
    else
        failed_cases+=("$case_name")
    fi
    stop_demo
done

[ ${#failed_cases[@]} -eq 0 ] || { echo "failed: ${failed_cases[*]}" >&2; exit 1; }
echo "tarvo end to end: all cases passed"
