#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display (640x480x24) and exits with its status.
set -u
. "$(dirname "$0")/xvfb.sh"
start_xvfb || exit 1
"$@"
