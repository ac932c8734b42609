# Sourced by the end-to-end scripts that drive a running demo (its pid in demo_pid).

# Runs an X client or tool with a time limit (bounded_seconds, 10 by default), so nothing can hang.
bounded() { timeout -s KILL "${bounded_seconds:-10}" "$@"; }

alive() { kill -0 "$demo_pid" 2>/dev/null; }

alive_word() { alive && echo running || echo gone; }

# Polls "$@" ten times a second for up to $1 seconds; false when it never held.
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The same while the demo runs: false as soon as it has gone.
poll() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        alive || return 1
        sleep 0.1
    done
    return 1
}

# The demo reads keys once a frame, so a press and its release must not arrive within one frame:
# hold the key like a hand would (well short of the keyboard's auto-repeat).
hold_key() {
    bounded xdotool keydown "$1"
    sleep 0.3
    bounded xdotool keyup "$1"
}

# Presses F11 with PRESS until FIND (given the window before) finds the rebuilt window: after a
# switch the demo ignores F11 for 25 frames, which take longer the slower it draws.
# Usage: switch_mode PRESS FIND
switch_mode() {
    local old=$window
    for _ in $(seq 10); do
        "$1" F11
        poll 3 "$2" "$old" && return 0
        alive || return 1
    done
    return 1
}
