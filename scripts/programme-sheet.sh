#!/usr/bin/env bash
# Draws the contact sheet of the programme: one frame every 5 s of timeline time, each labelled
# with its time, from tarvo-capture. Usage: programme-sheet.sh TARVO-CAPTURE OUT.png
set -euo pipefail
capture=$1
out=$2
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

times=$(seq -s, 0 5000 150000)
"$capture" --at "$times" --out "$frames" >/dev/null

args=()
for t in ${times//,/ }; do
    args+=(-label "$(printf '%d:%02d' $((t / 60000)) $((t / 1000 % 60)))" "$frames/$t.png")
done
montage "${args[@]}" -font DejaVu-Sans -pointsize 14 -tile 6x -geometry 192x144+4+4 \
    -background '#202020' -fill white "$out"
