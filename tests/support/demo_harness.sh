# Sourced by the end-to-end scripts that drive a running demo (its pid in demo_pid).

# Runs an X client or tool with a time limit (bounded_seconds, 10 by default), so nothing can hang.
bounded() { timeout -s KILL "${bounded_seconds:-10}" "$@"; }

alive() { kill -0 "$demo_pid" 2>/dev/null; }

alive_word() { alive && echo running || echo gone; }

# Polls "$@" ten times a second for up to $1 seconds while the demo runs.
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
