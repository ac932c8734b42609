#!/usr/bin/env bash
# End-to-end test of the Windows executable: tarvo.exe under 32-bit wine on Xvfb (no window
# manager), driven with xdotool, watched through screenshots, the X server's view of its windows
# and wine's trace of the message boxes it shows. With a 640x480 screen the display mode it asks
# for is granted; with 1024x768 it is refused and the demo asks whether to go on windowed, unless
# the command line says how to start. Every case is a fresh run under a fresh wineserver; all
# cases run, and each failure says why. Every wait is for what the case needs to see, with an
# upper bound.
# Usage: wine_e2e.sh TARVO_EXE WORK_DIR
#   (WORK_DIR keeps the wine prefix between runs, the screenshots and each run's output)
set -u
exe=$(realpath "$1")
work=$(realpath -m "$2")  # wine wants an absolute prefix
. "$(cd "$(dirname "$0")" && pwd)/../sdl/xvfb.sh"
. "$(cd "$(dirname "$0")" && pwd)/../support/demo_harness.sh"

title='Tarvo - Brunelak 2001'
question='The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?'
closing='Program Will Now Close.'

# No Mono or Gecko installer at prefix creation; sound through ALSA alone; message box texts
# traced (MSGBOX_OnInit lines).
export WINEPREFIX=$work/prefix WINEARCH=win32 WINEDEBUG=-all,+msgbox
export WINEDLLOVERRIDES='mscoree,mshtml=;winepulse.drv=d'
# ALSA as wine's sound driver sees it: no device at all, unless a case lends it one that writes
# what it plays to a file.
export ALSA_CONFIG_PATH=$work/no-sound.conf
sound_capture=$work/sound.raw

case_name=""
demo_pid=""
window=""

# Wine's tools are slower to answer than X clients, and a wine program slower to end.
bounded_seconds=20
exit_seconds=15

stop_wine() {
    bounded wineserver -k 2>/dev/null
    bounded wineserver -w 2>/dev/null
}

# A prefix of its own, made once: wine's X11 driver leaves windows unmanaged, or without a window
# manager it waits two seconds for each window to close.
prepare_prefix() {
    [ -f "$WINEPREFIX/user.reg" ] && grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" && return 0
    rm -rf "$WINEPREFIX"
    timeout -s KILL 180 wineboot -i >"$work/prefix.log" 2>&1 &&
        bounded wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$work/prefix.log" 2>&1 &&
        bounded wineserver -w || { cat "$work/prefix.log" >&2; return 1; }
}

# Sets window to a visible window named $1 (a regular expression) other than $2.
find_window() {
    local found
    found=$(bounded xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${2:-}" | head -n 1)
    [ -n "$found" ] && window=$found
}

demo_window() { find_window "^$title\$" "${1:-}"; }

# The keyboard focus follows the pointer: keys go to the window under it.
point_at_window() {
    local x y w h
    read -r x y w h < <(bounded xdotool getwindowgeometry --shell "$window" 2>/dev/null |
                        awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"] }')
    bounded xdotool mousemove $((${x:-0} + ${w:-0} / 2)) $((${y:-0} + ${h:-0} / 2))
}

# The demo reads keys once a frame, so a press and its release must not arrive within one frame.
press() {
    point_at_window
    hold_key "$1"
}

screenshot() { bounded import -window root "$work/$case_name-$1.png"; }

# A drawn frame: not a black or a flat screen but hundreds of colours, and light enough.
drawn() {
    local file=$work/$case_name-$1.png colours mean
    screenshot "$1" || return 1
    colours=$(convert "$file" -format %k info:) && mean=$(convert "$file" -colorspace gray -format '%[fx:mean*100]' info:) &&
        [ "$colours" -ge 500 ] && [ "${mean%.*}" -ge 10 ]
}

# Pixels of the statistics overlay's colours (pure yellow and pure green) in the top 100 rows.
overlay_pixels() {
    convert "$work/$case_name-$1.png" -crop 640x100+0+0 +repage -depth 8 txt:- |
        awk -F '[^0-9]+' '!/^#/ && $4 >= 230 && $6 <= 40 { ++n } END { print n + 0 }'
}

# The largest absolute 16-bit sample among the first million bytes of $1.
peak_sample() {
    head -c 1000000 "$1" | od -An -v -td2 -w2 |
        awk '{ v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v } END { print peak + 0 }'
}

traced_box() { grep -qF "MSGBOX_OnInit L\"$1\"" "$work/$case_name.log"; }

# Where the display mode is granted no box may show, not even a teardown's SHUTDOWN ERROR.
expect_no_box() {
    ! grep -q MSGBOX_OnInit "$work/$case_name.log" ||
        fail "$1: a message box showed: $(grep -o 'MSGBOX_OnInit.*' "$work/$case_name.log" | head -n 1)"
}

# Starts the demo with the options "$@".
start_demo() {
    timeout -s KILL 120 wine "$exe" "$@" >"$work/$case_name.log" 2>&1 &
    demo_pid=$!
}

# Starts the demo (with the options "$@") where it needs to ask nothing and waits for its window
# to show a drawn frame.
start_drawing_demo() {
    start_demo "$@"
    poll 60 demo_window || { fail "no window titled \"$title\" appeared (tarvo $(alive_word))"; return 1; }
    point_at_window
    poll 20 drawn first-frame || fail "the window shows no drawn frame (tarvo $(alive_word))"
}

expect_full_screen() {
    local now
    now=$(geometry)
    [ "$now" = 640x480+0+0 ] || fail "$1: the window is $now, not 640x480+0+0 (full screen)"
}

# Windowed: a frame around a 640x480 client area, so larger than it.
expect_windowed() {
    local now width height
    now=$(geometry)
    IFS='x+' read -r width height _ <<<"$now"
    [ "${width:-0}" -gt 640 ] && [ "${height:-0}" -gt 480 ] && [ "$now" != "$2" ] ||
        fail "$1: the window is $now, not a framed window around 640x480"
}

case_starts_full_screen_and_draws() {
    start_drawing_demo || return 1
    expect_full_screen "at start"
}

captured_bytes() { stat -c %s "$sound_capture" 2>/dev/null || echo 0; }

a_second_of_sound() { [ "$(captured_bytes)" -ge 176400 ]; }

# With a sound device the music reaches it through waveOut, and Escape still ends the demo.
case_plays_sound() {
    rm -f "$sound_capture"
    ALSA_CONFIG_PATH=$work/capture-sound.conf start_drawing_demo || return 1
    poll 20 a_second_of_sound
    press Escape
    expect_exit "Escape while the music plays" 0 || return 1
    ! grep -q 'no sound device' "$work/$case_name.log" || { fail "the sound device was not used"; return 1; }
    local bytes peak
    bytes=$(captured_bytes)
    [ "$bytes" -ge 176400 ] || { fail "only $bytes bytes of sound reached the device, not a second's"; return 1; }
    peak=$(peak_sample "$sound_capture")
    echo "sound: $bytes bytes reached the device, peak sample $peak"
    [ "$peak" -ge 1000 ] || fail "the sound that reached the device is silent"
}

overlay_shown() {
    screenshot after-f12 && [ "$(overlay_pixels after-f12)" -ge $((before + 300)) ]
}

case_f12_shows_overlay() {
    start_drawing_demo || return 1
    local before
    before=$(overlay_pixels first-frame)
    press F12
    poll 10 overlay_shown || fail "no statistics text after F12 (see $work/$case_name-after-f12.png)"
    echo "overlay: $before yellow and green pixels in the top rows before F12, $(overlay_pixels after-f12) after"
}

case_f11_goes_windowed_and_back() {
    start_drawing_demo || return 1
    switch_mode press demo_window || { fail "no new window after F11 (tarvo $(alive_word))"; return 1; }
    expect_windowed "after F11" "" || return 1
    poll 10 drawn windowed || { fail "the windowed demo draws nothing"; return 1; }
    switch_mode press demo_window || { fail "no new window after F11 in windowed mode (tarvo $(alive_word))"; return 1; }
    expect_full_screen "after the second F11" || return 1
    poll 10 drawn full-screen-again || { fail "nothing drawn after going full screen again"; return 1; }
    expect_no_box "two switches"
}

# Without a sound device the demo runs silently and says so (on stderr, which a Windows program
# flushes when it exits).
case_escape_exits_0() {
    start_drawing_demo || return 1
    press Escape
    expect_exit Escape 0 || return 1
    expect_no_box "start and teardown" || return 1
    grep -q 'no sound device, playing silently' "$work/$case_name.log" ||
        fail "no word of the missing sound device"
}

# The full-screen question: a box captioned ERROR with the question's text.
wait_for_question() {
    start_demo
    poll 60 find_window '^ERROR$' || { fail "no box captioned ERROR appeared (tarvo $(alive_word))"; return 1; }
    traced_box "$question" || fail "the box does not ask the full-screen question"
}

case_yes_continues_windowed() {
    wait_for_question || return 1
    local box=$window
    press Return  # Yes is the default button
    poll 30 demo_window || { fail "no window titled \"$title\" after Yes (tarvo $(alive_word))"; return 1; }
    [ "$window" != "$box" ] || { fail "the question box is still there"; return 1; }
    expect_windowed "after Yes" "1024x768+0+0" || return 1
    point_at_window
    poll 20 drawn windowed || { fail "the windowed demo draws nothing"; return 1; }
    press Escape
    expect_exit "Escape in the window" 0
}

# Told how to start, the demo asks nothing, even where the display mode cannot be had.
case_windowed_asks_nothing() {
    start_drawing_demo --windowed || return 1
    expect_windowed "with --windowed" "1024x768+0+0" || return 1
    press Escape
    expect_exit "Escape in the window" 0 || return 1
    expect_no_box "--windowed"
}

# The desktop's own full screen covers the screen at its own size without changing the mode.
case_desktop_full_screen_covers_the_screen() {
    start_drawing_demo --fullscreen=desktop || return 1
    local now
    now=$(geometry)
    [ "$now" = 1024x768+0+0 ] || { fail "the window is $now, not 1024x768+0+0"; return 1; }
    press Escape
    expect_exit "Escape in desktop full screen" 0 || return 1
    expect_no_box "--fullscreen=desktop"
}

# The same command line as on Linux: a mistake is refused before anything opens.
case_command_line_mistake_exits_2() {
    start_demo --size 640
    expect_exit "--size 640" 2 || return 1
    grep -q "^tarvo: bad value for --size: 640" "$work/$case_name.log" || { fail "no word of the bad value"; return 1; }
    ! demo_window || fail "a window opened"
}

case_no_closes_with_1() {
    wait_for_question || return 1
    local question_box=$window
    press n  # the No button's mnemonic
    poll 10 find_window '^ERROR$' "$question_box" || { fail "no second box after No (tarvo $(alive_word))"; return 1; }
    poll 5 traced_box "$closing" || { fail "the second box does not say \"$closing\""; return 1; }
    ! demo_window || { fail "a demo window appeared after No"; return 1; }
    press Return
    expect_exit "No and OK" 1
}

end_case() {
    [ -n "$demo_pid" ] && kill -9 "$demo_pid" 2>/dev/null && wait "$demo_pid" 2>/dev/null
    demo_pid=""
    stop_wine
}

# A fresh X server of the given size, with wine stopped before it goes.
on_screen() {
    stop_wine
    stop_xvfb
    start_xvfb "$1" || exit 1
    trap 'stop_wine; stop_xvfb' EXIT
}

# Wine runs the 32-bit executable as a 32-bit Linux process. A kernel that refuses those (some
# virtual machines run without 32-bit emulation) can run none of the cases: say so and stop.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "windows: skipped, this machine does not run 32-bit x86 programs, which wine needs"
    exit 0
fi

mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.log "$sound_capture"
: >"$work/no-sound.conf"
cat >"$work/capture-sound.conf" <<EOF
pcm.!default { type file; slave.pcm { type null }; file "$sound_capture"; format raw }
EOF
on_screen 640x480x24
case_name=prefix
prepare_prefix || { echo "FAIL: no wine prefix" >&2; exit 1; }
run_cases starts_full_screen_and_draws f12_shows_overlay f11_goes_windowed_and_back escape_exits_0 plays_sound
on_screen 1024x768x24
run_cases yes_continues_windowed no_closes_with_1 windowed_asks_nothing desktop_full_screen_covers_the_screen \
          command_line_mistake_exits_2

[ ${#failed_cases[@]} -eq 0 ] || echo "failed: ${failed_cases[*]}" >&2
echo "windows: $((case_count - ${#failed_cases[@]})) passed, ${#failed_cases[@]} failed"
[ ${#failed_cases[@]} -eq 0 ]
