# Sourced by the test scripts: start_xvfb [SCREEN] starts an Xvfb server with a screen of SCREEN
# (WIDTHxHEIGHTxDEPTH, 640x480x24 unless given) on a display number that Xvfb picks itself (so
# parallel tests never collide), points DISPLAY at it, and stops it again when the sourcing script
# exits, on every path.

xvfb_pid=""
xvfb_dir=""

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    fi
    [ -n "$xvfb_dir" ] && rm -rf "$xvfb_dir"
    xvfb_dir=""
}

start_xvfb() {
    xvfb_dir=$(mktemp -d)
    trap stop_xvfb EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    Xvfb -displayfd 3 -screen 0 "${1:-640x480x24}" -nolisten tcp 3>"$xvfb_dir/display" 2>"$xvfb_dir/log" &
    xvfb_pid=$!
    # Xvfb writes the display number, ending in a newline, once it accepts clients.
    local tries
    for tries in $(seq 100); do
        if grep -q '^[0-9][0-9]*$' "$xvfb_dir/display" 2>/dev/null; then
            export DISPLAY=":$(cat "$xvfb_dir/display")"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$xvfb_dir/log" >&2
    return 1
}
