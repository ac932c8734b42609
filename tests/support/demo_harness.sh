# Sourced by the end-to-end scripts that drive a running demo (its pid in demo_pid, its output in
# $work/$case_name.log, its window in window). Each script defines end_case, which cleans up
# after a case whatever its outcome.

failed_cases=()
case_count=0

# Says why the case failed, with the end of the demo's output; false.
fail() {
    echo "FAIL [$case_name]: $*" >&2
    echo "--- output (last lines of $work/$case_name.log):" >&2
    grep -v '^ALSA lib' "$work/$case_name.log" 2>/dev/null | tail -n 20 >&2
    return 1
}

# Runs case_NAME for each NAME, noting the ones that fail.
run_cases() {
    for case_name in "$@"; do
        case_count=$((case_count + 1))
        if "case_$case_name"; then
            echo "ok   $case_name"
        else
            failed_cases+=("$case_name")
        fi
        end_case
    done
}

geometry() {
    bounded xdotool getwindowgeometry --shell "$window" 2>/dev/null |
        awk -F= '{ v[$1] = $2 } END { print v["WIDTH"] "x" v["HEIGHT"] "+" v["X"] "+" v["Y"] }'
}

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

# Waits up to exit_seconds (10 by default) for the demo to exit after $1, then checks its exit
# status ($2, 0 by default).
expect_exit() {
    local status seconds=${exit_seconds:-10}
    poll "$seconds" false  # returns once the demo has gone, or at the end of the wait
    alive && { fail "still running $seconds s after $1"; return 1; }
    wait "$demo_pid"
    status=$?
    demo_pid=""
    [ "$status" -eq "${2:-0}" ] || fail "exit status $status after $1, not ${2:-0}"
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
