#!/usr/bin/env bash
# End-to-end test of the demo itself: the real tarvo on fresh Xvfb servers (1920x1080 and
# 1024x768, no window manager), driven with xdotool, watched through screenshots, the window's
# geometry and the full-screen requests it sends to a window manager. Every case is a fresh run
# of the program; all cases run, and each failure says why. Every wait is for what the case needs
# to see, with an upper bound, so a slow machine makes the test slower, not red.
# Usage: tarvo_e2e.sh PROGRAM WM_PROBE WORK_DIR
#   (WORK_DIR keeps the screenshots, each run's output and the full-screen requests sent)
set -u
program=$1
wm_probe=$2
work=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../sdl/xvfb.sh"
. "$here/../support/demo_harness.sh"

title='Tarvo - Brunelak 2001'
question='The Requested Fullscreen Mode Is Not Supported By'
case_name=""
demo_pid=""
probe_pid=""
requests_before=0  # lines in the probe's log before this case's run
window=""

# Sets window to a visible window with the title other than $1 (the one before a rebuild).
new_window() {
    local found
    found=$(bounded xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$found" ] && [ "$found" != "${1:-}" ] && window=$found
}

no_window() { ! new_window ""; }

has_geometry() { [ "$(geometry)" = "$1" ]; }

# Waits up to 10 s for the window to have geometry $1 (WxH+X+Y).
expect_geometry() {
    poll 10 has_geometry "$1" || fail "$2: the window is $(geometry), not $1"
}

shot() { bounded import -window root "$work/$case_name-$1.png" 2>/dev/null; }

# The largest channel value in each region (WxH+X+Y) of screenshot $1, on one line; 0 for a
# region that is all black.
region_maxima() {
    local file=$work/$case_name-$1.png crops=() region
    shift
    for region in "$@"; do crops+=('(' -clone 0 -crop "$region" +repage ')'); done
    convert "$file" "${crops[@]}" -delete 0 -format '%[max] ' info: 2>/dev/null
}

drawn_frame() { shot first-frame && [ "$(convert "$work/$case_name-first-frame.png" -format %k info:)" -gt 1 ]; }

# Screenshot $1 shows the frame as a $2 (WxH) picture at the top of the screen, between black
# bars of $3 pixels (none when 0) left and right, reaching the edges of its rectangle.
letterboxed() {
    local name=$1 width=${2%x*} height=${2#*x} bar=$3 regions maxima
    shot "$name" || return 1
    # The picture's four edges, then the bars.
    regions=("1x$height+$bar+0" "1x$height+$((bar + width - 1))+0" "${width}x1+$bar+0" "${width}x1+$bar+$((height - 1))")
    [ "$bar" -eq 0 ] || regions+=("${bar}x$height+0+0" "${bar}x$height+$((bar + width))+0")
    read -ra maxima < <(region_maxima "$name" "${regions[@]}")
    [ ${#maxima[@]} -eq ${#regions[@]} ] && [ "${maxima[0]}" != 0 ] && [ "${maxima[1]}" != 0 ] &&
        [ "${maxima[2]}" != 0 ] && [ "${maxima[3]}" != 0 ] && [ "${maxima[4]:-0}" = 0 ] && [ "${maxima[5]:-0}" = 0 ]
}

asked_full_screen() {
    grep -qx "$window add _NET_WM_STATE_FULLSCREEN" <<<"$(tail -n +$((requests_before + 1)) "$work/requests.wm")"
}

# The probe runs while a server does: as an X client that stays, it also keeps Xvfb from
# resetting (and refusing clients for a moment) whenever the last one leaves.
start_probe() {
    : >"$work/requests.wm"
    timeout -s KILL 600 "$wm_probe" watch >"$work/requests.wm" 2>&1 &
    probe_pid=$!
    wait_until 5 grep -qx ready "$work/requests.wm" && return 0
    echo "wm_probe does not listen: $(cat "$work/requests.wm")" >&2
    return 1
}

stop_probe() {
    [ -n "$probe_pid" ] || return 0
    kill "$probe_pid" 2>/dev/null
    wait "$probe_pid" 2>/dev/null
    probe_pid=""
}

# Starts the demo with the options "$@" (and the environment in demo_env) and waits until its
# window shows a drawn frame, so that its main loop runs when keys arrive.
demo_env=()
start_demo() {
    requests_before=$(wc -l <"$work/requests.wm")
    SDL_AUDIODRIVER=dummy timeout -s KILL 150 env "${demo_env[@]}" "$program" "$@" >"$work/$case_name.log" 2>&1 &
    demo_pid=$!
    poll 20 new_window || { fail "no window titled \"$title\" appeared (tarvo $(alive_word))"; return 1; }
    # Without a window manager the keyboard focus follows the pointer: keep it over the window.
    bounded xdotool mousemove 320 240
    poll 10 drawn_frame || fail "the window shows no drawn frame (tarvo $(alive_word))"
}

# Ends a run; timeout passes the TERM on to the demo, which closes. The next case must not find
# this run's window, so wait up to 10 s for it to go.
stop_demo() {
    demo_env=()
    [ -n "$demo_pid" ] || return 0
    kill "$demo_pid" 2>/dev/null
    wait "$demo_pid" 2>/dev/null
    demo_pid=""
    wait_until 10 no_window ||
        echo "warning: a window titled \"$title\" is still open after its run" >&2
}

# The pixels of a band of the screen (x 0..599, 16 rows from y $2) in screenshot $1.
band_pixels() { convert "$work/$case_name-$1.png" -crop "600x16+0+$2" +repage -depth 8 txt:-; }

# Counts the pixels in the overlay's region (x 0..599, y 0..99) of screenshot $2 that have an
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
    ' <(convert "$work/$case_name-$1.png" -crop 600x100+0+0 +repage -depth 8 txt:-) \
      <(convert "$work/$case_name-$2.png" -crop 600x100+0+0 +repage -depth 8 txt:-)
}

# Text, neither nothing nor solid blocks: each colour shows, and together they cover well under
# half of the 600x100 region.
overlay_shown() {
    local yellow green white
    shot overlay || return 1
    read -r yellow green white < <(new_overlay_pixels before-f12 overlay)
    [ "${yellow:-0}" -ge 300 ] && [ "${green:-0}" -ge 300 ] && [ "${white:-0}" -ge 300 ] &&
        [ $((yellow + green + white)) -le 25000 ]
}

# White text pixels in the overlay's row $2 (1, 2, ...; one row for each scene on screen).
white_in_row() {
    band_pixels "$1" $((32 + 16 * $2)) |
        awk -F '[^0-9]+' '!/^#/ && $3 >= 230 && $4 >= 230 && $5 >= 230 { ++n } END { print n + 0 }'
}

# Shows the statistics overlay (F12), windowed at 640x480, and waits until it is drawn.
show_overlay() {
    shot before-f12 || { fail "no screenshot before F12"; return 1; }
    hold_key F12
    poll 10 overlay_shown || fail "no statistics text after F12 (see $work/$case_name-overlay.png)"
}

case_full_screen_covers_1080p_and_f11_switches() {
    start_demo || return 1
    expect_geometry 1920x1080+0+0 "at start" || return 1
    poll 5 asked_full_screen || { fail "the window never asked to be full screen"; return 1; }
    ! grep -q "$question" "$work/$case_name.log" || { fail "the full-screen question was asked"; return 1; }
    poll 10 letterboxed full-screen 1440x1080 240 ||
        { fail "no 1440x1080 picture between 240-pixel bars (see $work/$case_name-full-screen.png)"; return 1; }
    switch_mode hold_key new_window || { fail "no new window after F11 (tarvo $(alive_word))"; return 1; }
    expect_geometry 640x480+0+0 "after F11" || return 1
    poll 10 letterboxed windowed 640x480 0 || { fail "the window shows no whole 640x480 picture"; return 1; }
    ! asked_full_screen || { fail "the window after the first F11 asked to be full screen"; return 1; }
    switch_mode hold_key new_window || { fail "no new window after F11 in windowed mode (tarvo $(alive_word))"; return 1; }
    expect_geometry 1920x1080+0+0 "after the second F11" || return 1
    poll 10 letterboxed full-screen-again 1440x1080 240 || { fail "no letterboxed picture after the second F11"; return 1; }
    hold_key Escape
    expect_exit Escape
}

case_f12_shows_overlay_of_the_first_scene_alone() {
    start_demo --windowed || return 1
    show_overlay || return 1
    local second
    second=$(white_in_row overlay 2)
    echo "overlay: $second white pixels in the second scene row"
    [ "$second" -lt 150 ] || { fail "a second scene is listed in the programme's first seconds"; return 1; }
    hold_key alt+F4
    expect_exit Alt+F4
}

case_start_20000_shows_tunnel_and_helix() {
    start_demo --windowed --start 20000 || return 1
    show_overlay || return 1
    local first second
    first=$(white_in_row overlay 1)
    second=$(white_in_row overlay 2)
    echo "overlay: $first and $second white pixels in the first two scene rows"
    [ "$first" -ge 150 ] && [ "$second" -ge 150 ] ||
        fail "the overlay does not list two scenes (see $work/$case_name-overlay.png)"
}

case_windowed_size_800x600() {
    start_demo --windowed --size 800x600 || return 1
    expect_geometry 800x600+0+0 "with --windowed --size 800x600" || return 1
    poll 10 letterboxed frame 800x600 0 || { fail "the window shows no whole 800x600 picture"; return 1; }
    bounded "$wm_probe" close "$window" || { fail "could not send WM_DELETE_WINDOW"; return 1; }
    expect_exit "a WM_DELETE_WINDOW request"
}

# Real display-mode changes where the screen lists no 640x480 mode: the question comes up.
case_without_zenity_the_question_goes_to_stderr_and_the_demo_windowed() {
    demo_env=(PATH=/nonexistent)
    start_demo --fullscreen=mode || return 1
    expect_geometry 640x480+0+0 "after the question" || return 1
    grep -q "$question" "$work/$case_name.log" || { fail "the question is not on stderr"; return 1; }
    grep -qx "(no message box can be shown: answered Yes)" "$work/$case_name.log" ||
        fail "stderr does not say the question was answered"
}

# A stand-in zenity that records how it was called and answers No: both boxes carry their icons.
case_zenity_boxes_carry_their_icons() {
    local fake=$work/fake-zenity
    mkdir -p "$fake"
    cat >"$fake/zenity" <<'EOF'
#!/bin/sh
printf '%s|' "$@" | tr '\n' ' ' >>"$ZENITY_LOG"
echo >>"$ZENITY_LOG"
answer=OK previous=""
for argument in "$@"; do
    [ "$previous" = --extra-button ] && [ "$argument" = No ] && answer=No
    previous=$argument
done
echo "$answer"
EOF
    chmod +x "$fake/zenity"
    : >"$work/zenity.log"
    ZENITY_LOG=$work/zenity.log PATH=$fake:$PATH SDL_AUDIODRIVER=dummy timeout -s KILL 20 \
        "$program" --fullscreen=mode >"$work/$case_name.log" 2>&1 &
    demo_pid=$!
    expect_exit "No to the question" 1 || return 1
    grep -q "^--question|.*--icon-name|dialog-warning|.*Use Windowed Mode Instead?|.*Yes|.*No|$" \
        "$work/zenity.log" || { fail "the question has no warning icon: $(cat "$work/zenity.log")"; return 1; }
    grep -q "icon-name|dialog-error|.*Program Will Now Close." "$work/zenity.log" ||
        fail "the closing box has no error icon: $(cat "$work/zenity.log")"
}

case_command_line_mistakes_exit_2_before_anything_opens() {
    local out status
    out=$(bounded "$program" --size 640 2>&1)
    status=$?
    [ "$status" -eq 2 ] || { fail "exit status $status for --size 640, not 2"; return 1; }
    [ "$out" = "tarvo: bad value for --size: 640
Try 'tarvo --help' for the options." ] || { fail "for --size 640 it said: $out"; return 1; }
    ! new_window "" || { fail "a window opened"; return 1; }
    out=$(bounded "$program" --help) && [[ $out == usage:* ]] || { fail "--help said: $out"; return 1; }
    out=$(bounded "$program" --version) && [[ $out =~ ^tarvo\ [0-9]+\.[0-9]+ ]] || fail "--version said: $out"
}

case_full_screen_on_1024x768_has_no_bars() {
    start_demo || return 1
    expect_geometry 1024x768+0+0 "at start" || return 1
    poll 10 letterboxed full-screen 1024x768 0 ||
        fail "the picture does not fill the screen (see $work/$case_name-full-screen.png)"
}

case_without_a_display_one_line_and_exit_1() {
    local started out status elapsed
    started=$(date +%s%N)
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout -s KILL 10 "$program" 2>&1)
    status=$?
    elapsed=$((($(date +%s%N) - started) / 1000000))
    echo "without a display: exit $status after $elapsed ms: $out"
    [ "$status" -eq 1 ] || { fail "exit status $status, not 1"; return 1; }
    [ "$elapsed" -le 2000 ] || { fail "took $elapsed ms"; return 1; }
    [[ $out =~ ^tarvo:\ no\ display\ to\ show\ the\ demo\ on\ \(.+\)$ ]] || fail "it said: $out"
}

end_case() { stop_demo; }

mkdir -p "$work"
rm -rf "$work"/*.png "$work"/*.log "$work"/*.wm "$work/fake-zenity"
trap 'stop_demo; stop_probe; stop_xvfb' EXIT

start_xvfb 1920x1080x24 && start_probe || exit 1
run_cases full_screen_covers_1080p_and_f11_switches f12_shows_overlay_of_the_first_scene_alone \
          start_20000_shows_tunnel_and_helix windowed_size_800x600 \
          without_zenity_the_question_goes_to_stderr_and_the_demo_windowed zenity_boxes_carry_their_icons \
          command_line_mistakes_exit_2_before_anything_opens
stop_probe
stop_xvfb

start_xvfb 1024x768x24 && start_probe || exit 1
run_cases full_screen_on_1024x768_has_no_bars without_a_display_one_line_and_exit_1

[ ${#failed_cases[@]} -eq 0 ] || { echo "failed: ${failed_cases[*]}" >&2; exit 1; }
echo "tarvo end to end: all cases passed"
