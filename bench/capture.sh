#!/usr/bin/env bash
# The recorder's figures on this machine, never pass or fail: the whole programme (or its first
# LENGTH ms) encoded to MP4 with sound by tarvo-capture --video at 640x480@60 and 1440x1080@60,
# beside the PNG route (every frame as PNG plus the WAV, then ffmpeg). Wall time as a factor of the
# programme's length (below 1 is faster than real time), the split of the work, the peak memory.
# usage: bench/capture.sh BUILD_DIR [LENGTH_MS]
set -euo pipefail
capture="$1/tools/tarvo-capture"
length=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stretch=()
[ -n "$length" ] && stretch=(--scene Tunnel --length "$length")

# Runs a command; prints its wall seconds and peak RSS in MiB, keeps its stderr in $work/log.
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" 2>"$work/log" >/dev/null || { cat "$work/log" >&2; exit 1; }
  read -r wall rss <"$work/time"
  echo "$wall $((rss / 1024))"
}

summary() { grep -o '[0-9.]* frames (.*' "$work/log" | tail -1; }
seconds=$(awk -v ms="${length:-155000}" 'BEGIN { print ms / 1000 }')
factor() { awk -v wall="$1" -v s="$seconds" 'BEGIN { printf "%.2f", wall / s }'; }

echo "capture: $seconds s of programme"
for size in 640x480 1440x1080; do
  read -r _ base_rss < <(measure "$capture" "${stretch[@]}" --size "$size" --at 0 --out "$work")
  read -r wall rss < <(measure "$capture" "${stretch[@]}" --size "$size" --video "$work/tarvo.mp4")
  echo "--video tarvo.mp4 --size $size: ${wall} s, $(factor "$wall") x the programme, peak RSS $rss MiB" \
       "(+$((rss - base_rss)) MiB over --at 0)"
  echo "  $(summary)"
done

read -r wall rss < <(measure "$capture" "${stretch[@]}" --all-frames --out "$work/frames" --audio "$work/frames/soundtrack.wav")
read -r encode _ < <(measure ffmpeg -y -framerate 60 -i "$work/frames/%06d.png" -i "$work/frames/soundtrack.wav" \
                      -c:v libx264 -pix_fmt yuv420p -c:a aac "$work/png-route.mp4")
total=$(awk -v a="$wall" -v b="$encode" 'BEGIN { print a + b }')
echo "PNG route at 640x480 (--all-frames --audio, then ffmpeg): ${total} s, $(factor "$total") x the programme" \
     "(frames ${wall} s, peak RSS $rss MiB; ffmpeg ${encode} s)"
